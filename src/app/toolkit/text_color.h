#pragma once

#include "calendar/colors.h"

class QWidget;

namespace dutyloop {

// The colour a label, date field or link draws its text in.
void SetTextColor(QWidget* widget, Color color);
Color TextColorOf(const QWidget* widget);

} // namespace dutyloop
