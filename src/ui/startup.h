#pragma once

namespace dutyloop {

struct StartupOptions {
    // Leave the event loop as soon as the window has been painted once: for measuring the
    // start-up, never for users.
    bool quitAfterFirstPaint = false;
};

// The whole program: the application, the window with the system's services, the event loop.
// Returns the exit code.
int RunApplication(int& argc, char** argv, StartupOptions options = {});

} // namespace dutyloop
