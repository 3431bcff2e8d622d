#include "ui/svg_picture.h"

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
        m_renderer = new QSvgRenderer(m_source, this);
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
