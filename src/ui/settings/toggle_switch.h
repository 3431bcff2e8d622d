#pragma once

#include <QAbstractButton>

namespace dutyloop {

// An on/off switch: a rounded track with a sliding thumb. Click or Space toggles it.
class ToggleSwitch : public QAbstractButton {
    Q_OBJECT
public:
    explicit ToggleSwitch(QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dutyloop
