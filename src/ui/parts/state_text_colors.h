#pragma once

#include "settings/colors.h"

class QAbstractButton;

namespace dutyloop {

// A button's text colour in each of its states.
struct StateTextColors {
    QRgb normal = colors::Black;
    QRgb hover = colors::Black;   // pointer over the button
    QRgb pressed = colors::Black; // held down
    QRgb focused = colors::Black; // has the keyboard focus
    friend bool operator==(const StateTextColors&, const StateTextColors&) = default;
};

// The button's text in each state; `greyedWhenDisabled` for a button that can be disabled.
void SetStateTextColors(QAbstractButton* button, const StateTextColors& colors,
                        bool greyedWhenDisabled = false);

} // namespace dutyloop
