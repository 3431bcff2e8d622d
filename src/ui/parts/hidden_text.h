#pragma once

namespace dutyloop {

// Keeps what is typed into a field that hides its text off the accessibility bus. Qt's line
// edit shows a password as dots, yet its events for a screen reader carry the characters typed
// and erased, which a screen reader then speaks; here each such character becomes a star.
// For the whole program; called again, it comes back first where another handler of the events
// has taken its place.
void HideHiddenTextFromScreenReaders();

} // namespace dutyloop
