#pragma once

class QCoreApplication;

namespace dutyloop {

// SIGTERM and SIGINT (a logout, a kill, Ctrl+C in the terminal) end the application's event
// loop as closing the window does, so that what the window holds, its socket file among it, is
// cleaned up on the way out.
void QuitOnTerminationSignals(QCoreApplication& application);

} // namespace dutyloop
