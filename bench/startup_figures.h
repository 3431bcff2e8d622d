#pragma once

#include "measure.h"

#include <QString>

namespace dutyloop::bench {

// Whole processes, each started, shown, painted once and ended: wall time from the start to
// the exit, and the peak resident memory as /usr/bin/time reports it.
struct ProcessFigures {
    Timing wallMs;
    Timing peakKilobytes;
    int failedRuns = 0;
};

struct StartupComparison {
    ProcessFigures dutyloop;
    ProcessFigures baseline;
};

// Runs each probe `wallRuns` times for the wall time and `memoryRuns` times under
// /usr/bin/time for the memory, the two probes in turn, on the offscreen platform and with a
// configuration folder of their own.
StartupComparison CompareStartups(const QString& probe, const QString& baselineProbe, int wallRuns,
                                  int memoryRuns);

} // namespace dutyloop::bench
