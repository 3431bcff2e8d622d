#pragma once

#include "settings/colors.h"

class QWidget;

namespace dutyloop {

// The colour a label, date field or link draws its text in.
void SetTextColor(QWidget* widget, QRgb color);
QRgb TextColorOf(const QWidget* widget);

// A plain widget filled with one colour behind its children.
void SetBackgroundColor(QWidget* widget, QRgb color);
QRgb BackgroundColorOf(const QWidget* widget);

} // namespace dutyloop
