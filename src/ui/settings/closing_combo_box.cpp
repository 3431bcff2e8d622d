#include "ui/settings/closing_combo_box.h"

#include <QKeyEvent>

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

void ClosingComboBox::keyPressEvent(QKeyEvent* event) {
    // QComboBox takes any key with a text as the start of an entry to find, Ctrl+Tab's tab too,
    // and so keeps it from the tab widget, which changes the tab with it from any other control.
    const bool tabKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tabKey && (event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace dutyloop
