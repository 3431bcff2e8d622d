#include "ui/laid_out_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextOption>
#include <QtMath>

namespace dutyloop {

namespace {

// No line is broken for width: drawText without word wrapping lays a line out this wide.
constexpr qreal kUnboundedLineWidth = 0x01000000;

// drawText draws a tab as a space when it does not expand tabs, a carriage return as a space
// and starts a new line at each line feed.
QString AsDrawn(QString text) {
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\t')
            c = u' ';
        else if (c == u'\n')
            c = QChar::LineSeparator;
    }
    return text;
}

// Auto takes the direction of the text.
Qt::LayoutDirection Resolved(Qt::LayoutDirection direction, bool rightToLeftText) {
    if (direction != Qt::LayoutDirectionAuto)
        return direction;
    return rightToLeftText ? Qt::LayoutDirectionAuto : Qt::LeftToRight;
}

// drawText moves a right-aligned line that reads right to left by the blanks at its end, and
// takes, of a text with length variants (parted by U+009C), the first that fits.
bool PlacedByDrawTextAlone(const QString& text, int tf, Qt::LayoutDirection direction) {
    const bool rightToLeft = direction == Qt::RightToLeft ||
                             (direction == Qt::LayoutDirectionAuto && text.isRightToLeft());
    return text.contains(QChar(0x9C)) || (rightToLeft && (tf & Qt::AlignRight) != 0);
}

} // namespace

LaidOutText::LaidOutText(const QString& text, const QFont& font, const QPaintDevice* device,
                         const QRectF& rect, int flags, Qt::LayoutDirection direction)
    : m_rect(rect), m_device(device), m_dpi(device->logicalDpiY()),
      m_direction(Resolved(direction, text.isRightToLeft())),
      m_rightToLeftText(text.isRightToLeft()) {
    const int tf = static_cast<int>(QStyle::visualAlignment(direction, Qt::Alignment(flags)));
    if (PlacedByDrawTextAlone(text, tf, direction)) {
        m_drawnByDrawText = true;
        m_text = text;
        m_font = font;
        m_flags = flags;
        return;
    }
    // QTextLayout takes the device only to size the font for it; it draws nothing on it.
    m_layout =
        std::make_unique<QTextLayout>(AsDrawn(text), font, const_cast<QPaintDevice*>(device));
    QTextOption option;
    option.setTextDirection(direction);
    // Lines are placed by the alignment below, not by the layout.
    option.setAlignment((tf & Qt::AlignJustify) != 0 ? Qt::AlignJustify : Qt::AlignLeft);
    m_layout->setTextOption(option);
    m_layout->setCacheEnabled(true);

    // Lines start on whole pixels, each a leading below the one before, and none is laid out
    // below the first that reaches the rectangle's bottom.
    const qreal leading = QFontMetricsF(m_layout->font()).leading();
    qreal height = -leading;
    qreal width = 0;
    m_layout->beginLayout();
    for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
        line.setLineWidth(kUnboundedLineWidth);
        height = qCeil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = qMax(width, line.naturalTextWidth());
        if (height >= rect.height())
            break;
    }
    m_layout->endLayout();

    qreal top = 0;
    if ((tf & Qt::AlignBottom) != 0)
        top = rect.height() - height;
    else if ((tf & Qt::AlignVCenter) != 0)
        top = (rect.height() - height) / 2;
    qreal left = 0;
    if ((tf & Qt::AlignRight) != 0)
        left = rect.width() - width;
    else if ((tf & Qt::AlignHCenter) != 0)
        left = (rect.width() - width) / 2;
    // A text larger than the rectangle is cut at its edges.
    m_clip = !rect.contains(QRectF(rect.x() + left, rect.y() + top, width, height));

    // Each line is aligned on its own.
    for (int i = 0; i < m_layout->lineCount(); ++i) {
        const qreal advance = m_layout->lineAt(i).horizontalAdvance();
        qreal x = 0;
        if ((tf & Qt::AlignRight) != 0)
            x = rect.width() - advance;
        else if ((tf & Qt::AlignHCenter) != 0)
            x = (rect.width() - advance) / 2;
        m_lineOrigins.emplace_back(rect.x() + x, rect.y() + top);
    }
}

bool LaidOutText::laidOutFor(Qt::LayoutDirection direction) const {
    return Resolved(direction, m_rightToLeftText) == m_direction &&
           m_device->logicalDpiY() == m_dpi;
}

void LaidOutText::draw(QPainter& painter) const {
    if (m_drawnByDrawText) {
        painter.save();
        painter.setFont(m_font);
        painter.drawText(m_rect, m_flags, m_text);
        painter.restore();
        return;
    }
    if (m_clip) {
        painter.save();
        painter.setClipRect(m_rect, Qt::IntersectClip);
    }
    for (int i = 0; i < m_layout->lineCount(); ++i)
        m_layout->lineAt(i).draw(&painter, m_lineOrigins[static_cast<std::size_t>(i)]);
    if (m_clip)
        painter.restore();
}

} // namespace dutyloop
