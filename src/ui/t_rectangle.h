#pragma once

#include "settings/colors.h"

#include <QWidget>

namespace dutyloop {

// A filled rectangle with a stroke drawn inside its edges; it reports a click (press and
// release inside it) unless hit testing is off.
class TRectangle : public QWidget {
    Q_OBJECT
public:
    explicit TRectangle(QWidget* parent);

    Color fill() const { return m_fill; }
    void setFill(Color fill);
    Color stroke() const { return m_stroke; }
    void setStroke(Color stroke);
    float strokeThickness() const { return m_strokeThickness; }
    void setStrokeThickness(float thickness);

    // Off: the pointer passes through to what lies behind.
    void setHitTest(bool on);
    bool hitTest() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Color m_fill = colors::White;
    Color m_stroke = colors::Black;
    float m_strokeThickness = 1.0f;
    bool m_pressed = false;
};

} // namespace dutyloop
