#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace dutyloop {

// A row of the Settings tab: a label at the leading edge and its control at the trailing one,
// `trailingGap` before the form's edge; both at their own heights, from the row's top.
QHBoxLayout* LabelledRow(QLabel* label, QWidget* control, int trailingGap);

// A button of the Settings tab, its caption bold.
QPushButton* BoldButton(QWidget* parent, const char* name, const QString& caption);

} // namespace dutyloop
