// The program's own start-up, ended by its first paint: what `make bench` times as a whole
// process against calendar_probe.

#include "ui/startup.h"

int main(int argc, char* argv[]) {
    return dutyloop::RunApplication(argc, argv,
                                    dutyloop::StartupOptions{.quitAfterFirstPaint = true});
}
