#include "ui/about/svg_picture.h"

#include "ui/about/mirrored_svg.h"

#include <QEvent>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QSvgRenderer>

#include <cmath>

namespace dutyloop {

SvgPicture::SvgPicture(QWidget* parent) : QWidget(parent) {}

void SvgPicture::setSource(const QString& svgResourcePath) {
    if (m_source == svgResourcePath) {
        return;
    }
    m_source = svgResourcePath;
    reload();
}

void SvgPicture::setWords(const QHash<QString, QString>& words) {
    m_words = words;
    reload();
}

void SvgPicture::setMirroredRightToLeft(bool mirrored) {
    if (m_mirroredRightToLeft == mirrored)
        return;
    m_mirroredRightToLeft = mirrored;
    reload();
}

void SvgPicture::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LayoutDirectionChange && m_mirroredRightToLeft)
        reload();
    QWidget::changeEvent(event);
}

// The picture is read at its first paint; one already read is read again now that it is to
// show otherwise.
void SvgPicture::reload() {
    if (m_renderer != nullptr)
        m_renderer->load(contents());
    update();
}

namespace {

// The number in `attribute="…"` of a start tag's attributes, or 0.
double AttributeNumber(const QString& attributes, QLatin1StringView attribute) {
    const QString start = QLatin1Char(' ') + attribute + QStringLiteral("=\"");
    const qsizetype at = attributes.indexOf(start);
    if (at < 0)
        return 0;
    const qsizetype from = at + start.size();
    const qsizetype to = attributes.indexOf(QLatin1Char('"'), from);
    return to < 0 ? 0 : QStringView(attributes).sliced(from, to - from).toDouble();
}

// The attributes of a <text> that shows `word`: where the text has data-fit="<width>" and the
// word is wider than that at its font-size, a font size at which it fits. A caption in another
// language is often longer than the English one the picture was drawn around.
QString FittedAttributes(const QString& attributes, const QString& word) {
    const double width = AttributeNumber(attributes, QLatin1StringView("data-fit"));
    const double size = AttributeNumber(attributes, QLatin1StringView("font-size"));
    if (width <= 0 || size <= 0)
        return attributes;
    // Measured large, where hinting does not count, and scaled to the text's size.
    constexpr int kMeasuredSize = 100;
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(kMeasuredSize);
    font.setBold(attributes.contains(QStringLiteral(" font-weight=\"bold\"")));
    const double wordWidth = QFontMetricsF(font).horizontalAdvance(word) * size / kMeasuredSize;
    if (wordWidth <= width)
        return attributes;
    const double fitted = std::floor(size * width / wordWidth * 10) / 10;
    QString shown = attributes;
    shown.replace(QStringLiteral(" font-size=\"%1\"").arg(size),
                  QStringLiteral(" font-size=\"%1\"").arg(fitted));
    return shown;
}

} // namespace

QByteArray SvgPicture::contents() const {
    QFile file(m_source);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const bool mirrored = m_mirroredRightToLeft && isRightToLeft();
    if (m_words.isEmpty() && !mirrored)
        return bytes;
    const QString text = QString::fromUtf8(bytes);
    QHash<QString, QString> escaped;
    for (auto word = m_words.cbegin(); word != m_words.cend(); ++word)
        escaped.insert(word.key().toHtmlEscaped(), word.value());
    static const QRegularExpression kTextElement(QStringLiteral("<text([^>]*)>([^<]*)</text>"));
    QString shown;
    qsizetype copied = 0;
    for (auto it = kTextElement.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch element = it.next();
        const auto word = escaped.constFind(element.captured(2));
        if (word == escaped.constEnd())
            continue;
        shown += QStringView(text).sliced(copied, element.capturedStart() - copied);
        shown += QStringLiteral("<text") + FittedAttributes(element.captured(1), *word) +
                 QLatin1Char('>') + word->toHtmlEscaped() + QStringLiteral("</text>");
        copied = element.capturedEnd();
    }
    shown += QStringView(text).sliced(copied);
    return (mirrored ? MirroredSvg(shown) : shown).toUtf8();
}

void SvgPicture::setOpacity(qreal opacity) {
    if (m_opacity == opacity) {
        return;
    }
    m_opacity = opacity;
    update();
}

void SvgPicture::paintEvent(QPaintEvent* /*event*/) {
    if (m_source.isEmpty()) {
        return;
    }
    // Created here, not in setSource, so the pictures on tabs not yet shown cost nothing at
    // start-up.
    if (m_renderer == nullptr) {
        m_renderer = new QSvgRenderer(this);
        m_renderer->load(contents());
        // Fitted into the widget whole and centred, so it keeps its shape at any size.
        m_renderer->setAspectRatioMode(Qt::KeepAspectRatio);
        connect(m_renderer, &QSvgRenderer::repaintNeeded, this, qOverload<>(&QWidget::update));
    }
    if (!m_renderer->isValid() || rect().isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(m_opacity);
    m_renderer->render(&painter, QRectF(rect()));
}

} // namespace dutyloop
