// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The radiometer equation as an experiment: the summator pressed many times for each of a
// row of accumulation times, with the window's fields at the moment of the start, as the
// window presses it (the same preparation, model and faults). The experiment draws its
// noise from a part of the counter-based stream of its own, so it never changes what the
// window's next presses draw, and the same fields always give the same table.

#include "model/ReceiverState.h"
#include "views/Press.h"

#include <cstdint>
#include <string>
#include <vector>

namespace views {

// One accumulation time's row: every press's real sensitivity and measured difference,
// the potential sensitivity and the computed antenna-temperature difference.
struct SensitivityRow {
    double accumulation = 0; // τ, ms
    std::vector<double> real;
    std::vector<double> measured;
    double potential = 0;
    double computedDifference = 0;

    double realMean() const;
    double realSpread() const; // the sample standard deviation of the presses
    double measuredMean() const;
};

class SensitivityExperiment {
public:
    // Where the experiment's noise starts: far beyond anything the window's presses draw.
    static constexpr std::uint64_t kFirstUniform = std::uint64_t{1} << 62;

    // The accumulation times 2, 5, 10, 20, 50, ... ms up to `largest`.
    static std::vector<double> accumulationTimes(double largest);

    // Every field the summator reads, checked for every time: a PressError (the window's
    // message) before anything runs.
    SensitivityExperiment(const FieldTexts& texts, const model::ReceiverState& state,
                          std::vector<double> times, int presses);

    int timeCount() const { return static_cast<int>(presses_.size()); }
    const std::vector<double>& times() const { return times_; }
    // Periods of the whole experiment, for its progress.
    double periods() const;
    // The label of this experiment's series: its sampling rate and scene.
    const std::string& name() const { return name_; }

    // The presses of one time, each on a copy of the state with its own part of the
    // stream. PressError for a fault met while computing; PressCancelled when progress
    // says stop. Safe to call from one background thread.
    SensitivityRow runTime(int index, Progress* progress) const;

private:
    // Periods of the presses of the times before `index`.
    double periodsBefore(int index) const;

    std::vector<double> times_;
    int pressesPerTime_;
    std::vector<Press> presses_;
    model::ReceiverState state_;
    std::string name_;
};

// The slope of log(real sensitivity) against log(τ) by least squares over the rows from
// `from` ms on (the radiometer equation says −1/2); NaN with fewer than two such rows.
double fittedSlope(const std::vector<SensitivityRow>& rows, double from = 10);

// The table as CSV (the rules of the picture's data).
std::string sensitivityCsv(const std::vector<SensitivityRow>& rows, char decimalSeparator);
// Its column titles.
const std::vector<std::string>& sensitivityColumns();

} // namespace views
