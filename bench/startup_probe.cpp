// The program's own start-up, ended by its first paint: what `make bench` times as a whole
// process against calendar_probe.

#include "quit_after_first_paint.h"
#include "ui/window/startup.h"

#include <QCoreApplication>

namespace {

// Runs at every application object's construction; the window's is the QApplication, made after
// the one that reads the command line.
void QuitAfterTheWindowsFirstPaint() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app->inherits("QApplication"))
        dutyloop::QuitAfterFirstPaint(app);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(QuitAfterTheWindowsFirstPaint)

int main(int argc, char* argv[]) {
    return dutyloop::RunApplication(argc, argv);
}
