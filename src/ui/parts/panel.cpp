#include "ui/parts/panel.h"

#include "ui/parts/outlined_rect.h"

#include <QPainter>

namespace dutyloop {

Panel::Panel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, qAlpha(m_fill) == 0xFF);
}

void Panel::setColors(QRgb fill, QRgb border, float borderWidth) {
    if (m_fill == fill && m_border == border && m_borderWidth == borderWidth)
        return;
    m_fill = fill;
    m_border = border;
    m_borderWidth = borderWidth;
    // An opaque panel covers all it stands on, so Qt need not paint what lies behind it.
    setAttribute(Qt::WA_OpaquePaintEvent, qAlpha(m_fill) == 0xFF);
    update();
}

void Panel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintOutlinedRect(painter, rect(), m_fill, m_border, m_borderWidth);
}

} // namespace dutyloop
