#pragma once

#include <QAccessible>

class QWidget;

namespace dutyloop {

// Shows `widget` to screen readers in `role`, with Qt's plain widget interface: its accessible
// name and description, its children, its focus. For widgets whose own role misleads a screen
// reader, or that Qt gives none that says what they are.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

} // namespace dutyloop
