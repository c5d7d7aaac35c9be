#pragma once

// Pieces every benchmark program shares: medians of timed runs and a page loaded in a view.
#include <QElapsedTimer>
#include <algorithm>
#include <vector>

namespace BenchKit {
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The median time of `runs` runs of the work, in milliseconds.
template <typename Work>
double medianMs(int runs, Work work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}
}
