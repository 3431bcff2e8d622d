#pragma once

class QKeyEvent;

namespace dutyloop {

// The virtual-key code of a key press: 33 to 40 for Page Up, Page Down, End, Home and the
// arrows; letters and digits by their upper-case character; other keys by a code of their own.
int VirtualKeyFor(const QKeyEvent& event);

bool IsArrowKey(const QKeyEvent& event);

} // namespace dutyloop
