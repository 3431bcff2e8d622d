#pragma once

class QCoreApplication;

namespace dutyloop {

// Ends the event loop once the first paint of any widget has finished: for measuring how long a
// program takes to show its window, never for users.
void QuitAfterFirstPaint(QCoreApplication* app);

} // namespace dutyloop
