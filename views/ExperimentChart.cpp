// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/ExperimentChart.h"

#include "model/Numbers.h"

#include <algorithm>
#include <cmath>

namespace views {

const std::vector<double>& largestTimes() {
    static const std::vector<double> times = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000};
    return times;
}

int pressesFromText(const std::string& typed) {
    const model::ParseResult read = model::parseNumber(typed);
    if (!read.ok())
        return kDefaultPresses;
    return static_cast<int>(
        std::clamp(std::round(read.value), double{kFewestPresses}, double{kMostPresses}));
}

std::uint32_t runColour(int run) {
    static const std::uint32_t colours[] = {0x1f77b4, 0xd62728, 0x2ca02c, 0x9467bd,
                                            0xff7f0e, 0x17becf, 0x8c564b, 0xe377c2};
    return colours[static_cast<unsigned>(std::max(run, 1) - 1) % 8];
}

ChartAxes chartAxes(const ExperimentLog& log) {
    ChartAxes axes{1, 1000, 0.01, 10};
    if (log.runs().empty())
        return axes;
    double longest = 10;
    for (const ExperimentRun& run : log.runs()) {
        longest = std::max(longest,
                           SensitivityExperiment::accumulationTimes(run.settings.largest).back());
        for (const SensitivityRow& row : run.rows)
            for (const double value : {row.potential, row.realMean() - row.realSpread(),
                                       row.realMean() + row.realSpread()})
                if (value > 0) {
                    axes.kelvinLow =
                        std::min(axes.kelvinLow, std::pow(10.0, std::floor(std::log10(value))));
                    axes.kelvinHigh =
                        std::max(axes.kelvinHigh, std::pow(10.0, std::ceil(std::log10(value))));
                }
    }
    axes.timeHigh = longest * 2;
    return axes;
}

} // namespace views
