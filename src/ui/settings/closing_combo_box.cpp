#include "ui/settings/closing_combo_box.h"

namespace dutyloop {

ClosingComboBox::ClosingComboBox(QWidget* parent) : QComboBox(parent) {}

void ClosingComboBox::showPopup() {
    m_popupOpen = true;
    QComboBox::showPopup();
}

void ClosingComboBox::hidePopup() {
    // Qt also hides the list whenever the box itself is hidden, as when its tab is left; only
    // the closing of a list that was open counts.
    const bool wasOpen = m_popupOpen;
    m_popupOpen = false;
    QComboBox::hidePopup();
    if (wasOpen)
        emit listClosed();
}

} // namespace dutyloop
