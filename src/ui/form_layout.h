#pragma once

#include "ui/form_widgets.h"

namespace dutyloop {

// Builds the whole widget tree of the window into form: the four tabs and every named widget
// with its kind, place, text and Tag, the About tab active. Nothing is wired here.
FormWidgets BuildFormLayout(QWidget* form);

} // namespace dutyloop
