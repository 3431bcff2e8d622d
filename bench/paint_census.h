#pragma once

#include "window_figures.h"

#include <QString>

namespace dutyloop::bench {

// Which widgets one step of a figure paints, in the window's own repaint and in the render
// that follows: a look at where the drawing goes, printed, not timed.
void PrintPaintCensus(const QString& figure, const QString& side, Windows& windows);

} // namespace dutyloop::bench
