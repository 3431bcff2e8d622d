#pragma once

#include "measure.h"
#include "ui/window/main_window.h"

#include <QCalendarWidget>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace dutyloop::bench {

// The real window on a fixed day with settings of its own, and the baseline QCalendarWidget
// at the same size and day, both shown on the offscreen platform for the whole run.
struct Windows {
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<QCalendarWidget> calendar;
    QImage formImage; // what each redraw is rendered into
    QImage calendarImage;
};

std::unique_ptr<Windows> ShowWindows();
QString DescribeWindows(const Windows& windows);

// The two sides of one figure, and a check, after the samples, that each step did what the
// figure says: an empty text when it did, else what went wrong.
struct SidePair {
    Side dutyloop;
    Side baseline;
    std::function<QString()> verify;
};

using Action = std::function<void()>;

// One step of a figure ("navigation", "keys" or "resize") on one side, without its redraw.
Action StepOf(const QString& figure, bool baseline, Windows& windows);

// A click on the next-month arrow against QCalendarWidget::showNextMonth(), each followed by a
// redraw.
SidePair NavigationSides(Windows& windows);
// A Right-arrow key press and release through the window's event handling, then a redraw.
SidePair KeySides(Windows& windows, int keysPerSample);
// A real resize of the shown window, then a redraw.
SidePair ResizeSides(Windows& windows);

} // namespace dutyloop::bench
