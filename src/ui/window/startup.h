#pragma once

namespace dutyloop {

class MainWindow;
class SingleInstance;

// A later start of the same settings hands over to `window`: it shows the day asked for, if
// any, and comes to the front.
void FollowSecondStarts(SingleInstance& instance, MainWindow& window);

// The whole program: the application, the window with the system's services, the event loop.
// Returns the exit code.
int RunApplication(int& argc, char** argv);

} // namespace dutyloop
