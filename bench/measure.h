#pragma once

#include <functional>
#include <vector>

namespace dutyloop::bench {

// One side of a comparison: `work(steps)` does that many steps of what is measured; `reset()`
// brings the side back to where every sample starts, outside the timing.
struct Side {
    std::function<void(int steps)> work;
    std::function<void()> reset;
};

struct Plan {
    int stepsPerSample = 1;
    int samples = 15;
    int stepsPerUnit = 1; // the figure is the time of this many steps
};

// Milliseconds per unit.
struct Timing {
    double median = 0;
    double low = 0;
    double high = 0;
};

struct Comparison {
    Timing dutyloop;
    Timing baseline;
    double ratio = 0; // dutyloop's median over the baseline's
};

double Median(std::vector<double> values);
Timing TimingOf(const std::vector<double>& samples);

// Times samples of both sides in turn, the one after the other and then the other way round,
// so a change in the machine's load falls on both alike; one untimed sample of each first.
Comparison CompareInterleaved(const Side& dutyloop, const Side& baseline, const Plan& plan);

// The steps alone, without a timer, for counting instructions under callgrind: run with
// --toggle-collect='*ProfiledSteps*'.
void ProfiledSteps(const Side& side, int steps);

} // namespace dutyloop::bench
