#include "ui/about/svg_picture.h"

#include <QFile>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QSvgRenderer>

namespace dutyloop {

SvgPicture::SvgPicture(QWidget* parent) : QWidget(parent) {}

void SvgPicture::setSource(const QString& svgResourcePath) {
    if (m_source == svgResourcePath) {
        return;
    }
    m_source = svgResourcePath;
    // The picture is read at its first paint; one already read is read again now that it
    // shows another file.
    if (m_renderer != nullptr) {
        m_renderer->load(m_source);
    }
    update();
}

void SvgPicture::setWords(const QHash<QString, QString>& words) {
    m_words = words;
    if (m_renderer != nullptr)
        m_renderer->load(contents());
    update();
}

QByteArray SvgPicture::contents() const {
    QFile file(m_source);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray text = file.readAll();
    for (auto word = m_words.cbegin(); word != m_words.cend(); ++word) {
        const QByteArray from = '>' + word.key().toHtmlEscaped().toUtf8() + "</text>";
        const QByteArray to = '>' + word.value().toHtmlEscaped().toUtf8() + "</text>";
        text.replace(from, to);
    }
    return text;
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
        if (m_words.isEmpty())
            m_renderer->load(m_source);
        else
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
