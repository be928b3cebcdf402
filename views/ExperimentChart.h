// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sensitivity experiment's window as both editions show it: the longest accumulation
// times offered and the presses per time, with their defaults; the colour of each run;
// and the chart's logarithmic axes over every run kept.

#include "views/SensitivityExperiment.h"

#include <cstdint>
#include <string>
#include <vector>

namespace views {

// The longest accumulation times the list offers (ms), and the one chosen at first.
const std::vector<double>& largestTimes();
inline constexpr int kDefaultLargestTime = 6; // 1000 ms
// The presses per accumulation time: the fewest, the most, at first.
inline constexpr int kFewestPresses = 2;
inline constexpr int kMostPresses = 100;
inline constexpr int kDefaultPresses = 10;
// A typed count of presses, rounded and brought into that range; the default for a text
// that is not a number.
int pressesFromText(const std::string& typed);

// The colour (0xRRGGBB) of a run's series: distinct for the first eight runs, then again.
std::uint32_t runColour(int run);

// The chart's axes: the time from 1 ms to twice the longest time of any run (at least
// 10 ms), 1 to 1000 ms before any; the sensitivity in whole decades from 0.01 to 10 K,
// widened over every row's potential sensitivity and its real one's mean ± spread.
struct ChartAxes {
    double timeLow, timeHigh;
    double kelvinLow, kelvinHigh;
};
ChartAxes chartAxes(const ExperimentLog& log);

} // namespace views
