#include "ui/t_text.h"

#include "ui/font_size.h"
#include "ui/laid_out_text.h"

#include <QColor>
#include <QFont>
#include <QPainter>

namespace dutyloop {

namespace {
// QPainter breaks lines at "\n" only and draws a "\r" as a space; texts that break with "\r"
// or "\r\n" are turned into "\n" once, when set, not on every paint.
QString WithLineFeeds(const QString& text) {
    if (!text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
} // namespace

TText::TText(QWidget* parent) : QWidget(parent) {
    // A click on a day's number belongs to the day cell behind it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setContentsMargins(0, 0, 0, 0);
}

TText::~TText() = default;

void TText::setText(const QString& text) {
    if (m_text == text) {
        return;
    }
    m_text = text;
    m_shownText = WithLineFeeds(text);
    m_laidOut.reset();
    update();
}

void TText::setColor(Color color) {
    if (m_color == color) {
        return;
    }
    m_color = color;
    update();
}

void TText::setFontSize(float pixels) {
    if (m_fontSize == pixels) {
        return;
    }
    m_fontSize = pixels;
    m_laidOut.reset();
    update();
}

void TText::setBold(bool bold) {
    if (m_bold == bold) {
        return;
    }
    m_bold = bold;
    m_laidOut.reset();
    update();
}

void TText::setAlignment(Qt::Alignment alignment) {
    if (m_alignment == alignment) {
        return;
    }
    m_alignment = alignment;
    m_laidOut.reset();
    update();
}

void TText::paintEvent(QPaintEvent* /*event*/) {
    if (m_shownText.isEmpty()) {
        return;
    }
    QPainter painter(this);
    // The day numbers are drawn on every redraw; they are laid out only when they change.
    if (!m_laidOut || !m_laidOut->laidOutFor(painter.layoutDirection())) {
        QFont font = this->font();
        SetFontPixelSize(font, m_fontSize, this);
        font.setBold(m_bold);
        // Each line is aligned on its own, so a two-line text is centred line by line.
        m_laidOut =
            std::make_unique<LaidOutText>(m_shownText, font, this, QRectF(rect()),
                                          static_cast<int>(m_alignment), painter.layoutDirection());
    }
    painter.setPen(QColor::fromRgba(m_color));
    m_laidOut->draw(painter);
}

void TText::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_laidOut.reset();
}

void TText::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_laidOut.reset();
}

} // namespace dutyloop
