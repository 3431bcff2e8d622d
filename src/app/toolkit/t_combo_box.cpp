#include "app/toolkit/t_combo_box.h"

namespace dutyloop {

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {}

void TComboBox::hidePopup() {
    QComboBox::hidePopup();
    emit closePopup();
}

} // namespace dutyloop
