#pragma once

class QString;
class QWidget;

namespace dutyloop {

// What becomes of a new description where the widget has the focus.
enum class UnderFocus {
    Change, // the widget takes it at once
    Hold,   // it waits until the focus leaves the widget
};

// Sets `widget`'s description for a screen reader.
//
// Orca reads a widget's description as the focus comes to it, at the moment that event comes up
// in its own queue, and not again as it changes. A description that changes under the focus is
// thus read at a moment no one can tell: as the focus comes back from a dialog, it may be the one
// from before the change or the one after. A change that is told in words of its own is held
// while the focus stays, or is to come back to the widget with its window, so that it is not
// read a second time.
void Describe(QWidget* widget, const QString& description, UnderFocus underFocus);

} // namespace dutyloop
