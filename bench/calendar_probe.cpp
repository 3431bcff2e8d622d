// The yardstick for the start-up: a bare QCalendarWidget at the window's size, shown and
// painted once, then the process ends, as startup_probe does with the real window.
//
// It ends the way the real start-up probe does: after the first paint pass of any widget.

#include "quit_after_first_paint.h"

#include <QApplication>
#include <QCalendarWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCalendarWidget calendar;
    calendar.resize(350, 640);
    dutyloop::QuitAfterFirstPaint(&app);
    calendar.show();
    return QApplication::exec();
}
