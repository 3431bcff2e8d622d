#include "ui/settings/combo_box.h"

namespace dutyloop {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {}

void ComboBox::showPopup() {
    m_popupOpen = true;
    QComboBox::showPopup();
}

void ComboBox::hidePopup() {
    // Qt also hides the list whenever the box itself is hidden, as when its tab is left; only
    // the closing of a list that was open counts.
    const bool wasOpen = m_popupOpen;
    m_popupOpen = false;
    QComboBox::hidePopup();
    if (wasOpen)
        emit listClosed();
}

} // namespace dutyloop
