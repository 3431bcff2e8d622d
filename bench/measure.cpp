#include "measure.h"

#include <QElapsedTimer>
#include <algorithm>

namespace dutyloop::bench {

namespace {

double SampleMs(const Side& side, const Plan& plan) {
    side.reset();
    QElapsedTimer timer;
    timer.start();
    side.work(plan.stepsPerSample);
    const double elapsedMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    return elapsedMs * plan.stepsPerUnit / plan.stepsPerSample;
}

} // namespace

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Timing TimingOf(const std::vector<double>& samples) {
    if (samples.empty())
        return {};
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    return {Median(samples), *low, *high};
}

Comparison CompareInterleaved(const Side& dutyloop, const Side& baseline, const Plan& plan) {
    // The first sample of each warms caches, fonts and glyphs; it is not counted.
    SampleMs(dutyloop, plan);
    SampleMs(baseline, plan);
    std::vector<double> ours;
    std::vector<double> theirs;
    for (int i = 0; i < plan.samples; ++i) {
        if (i % 2 == 0) {
            ours.push_back(SampleMs(dutyloop, plan));
            theirs.push_back(SampleMs(baseline, plan));
        } else {
            theirs.push_back(SampleMs(baseline, plan));
            ours.push_back(SampleMs(dutyloop, plan));
        }
    }
    Comparison result{TimingOf(ours), TimingOf(theirs), 0};
    result.ratio = result.baseline.median > 0 ? result.dutyloop.median / result.baseline.median : 0;
    return result;
}

[[gnu::noinline]] void ProfiledSteps(const Side& side, int steps) {
    side.work(steps);
}

} // namespace dutyloop::bench
