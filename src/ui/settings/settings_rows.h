#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace dutyloop {

// A label at the leading edge and its control at the trailing one, `trailingGap` before the
// form's edge; both at their own heights, from the row's top.
QHBoxLayout* LabelledRow(QLabel* label, QWidget* control, int trailingGap = 0);

// The Settings tab's buttons: bold captions, named for a user's tools.
QPushButton* BoldButton(QWidget* parent, const char* name, const QString& caption);

} // namespace dutyloop
