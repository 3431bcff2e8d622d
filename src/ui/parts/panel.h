#pragma once

#include "settings/colors.h"

#include <QWidget>

namespace dutyloop {

// A filled background with a border drawn inside its edges: the tool bars and the tabs'
// backgrounds.
class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent);

    QRgb fill() const { return m_fill; }
    QRgb border() const { return m_border; }
    float borderWidth() const { return m_borderWidth; }
    void setColors(QRgb fill, QRgb border, float borderWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRgb m_fill = colors::White;
    QRgb m_border = colors::Black;
    float m_borderWidth = 1.0f;
};

} // namespace dutyloop
