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
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace views {

// One accumulation time's row: every press's real sensitivity and measured difference,
// the potential sensitivity and the computed antenna-temperature difference.
struct SensitivityRow {
    double accumulation = 0; // τ, ms
    // In the calibrated receiver the real sensitivity of a time is the spread of its
    // presses' measured differences: a slow gain drift hardly moves within one press, so
    // a press's own standard error (real) does not see it.
    bool acrossPresses = false;
    std::vector<double> real;
    std::vector<double> measured;
    double potential = 0;
    double computedDifference = 0;

    double realMean() const;   // across presses: the measured differences' spread
    double realSpread() const; // the sample standard deviation of the presses; across
                               // presses, the standard error of the spread
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

    // The presses of one time, each on a copy of the state with its own part of the
    // stream. PressError for a fault met while computing; PressCancelled when progress
    // says stop. Safe to call from one background thread.
    SensitivityRow runTime(int index, Progress* progress) const;

    // Press p of time `index` on its own copy of the state, its noise placed after every
    // earlier press's periods; and what it reads, added to the row of its time.
    const Press& pressOf(int index) const { return presses_[static_cast<std::size_t>(index)]; }
    std::unique_ptr<model::ReceiverState> stateOfPress(int index, int press) const;
    static void addReading(SensitivityRow& row, const PressOutcome& outcome);
    int pressesPerTime() const { return pressesPerTime_; }
    // Periods of the presses of the times before `index`.
    double periodsBefore(int index) const;

private:
    std::vector<double> times_;
    int pressesPerTime_;
    std::vector<Press> presses_;
    model::ReceiverState state_;
};

// The experiment a batch of summator periods at a time, for a caller that takes messages
// or looks at its progress between two batches (the page's worker).
class ExperimentRunner {
public:
    explicit ExperimentRunner(std::shared_ptr<const SensitivityExperiment> experiment);
    ~ExperimentRunner();

    bool finished() const { return index_ >= experiment_->timeCount(); }
    // One batch; a time's row once its last press is done. PressError for a fault.
    std::optional<SensitivityRow> step();
    double done() const; // periods
    double total() const { return experiment_->periods(); }

private:
    std::shared_ptr<const SensitivityExperiment> experiment_;
    int index_ = 0; // the time
    int press_ = 0; // its press
    SensitivityRow row_;
    std::unique_ptr<model::ReceiverState> state_;
    std::unique_ptr<canvas::Canvas> nowhere_;
    std::unique_ptr<PressComputation> computation_;
};

// The straight line through log(real sensitivity) against log(τ) by least squares over
// the rows from `from` ms on: σ = coefficient·τ^slope (the radiometer equation says a
// slope of −1/2); NaN for both with fewer than two such rows.
struct FittedLine {
    double slope;
    double coefficient;
    bool valid() const { return slope == slope; }
};
inline constexpr double kFittedFrom = 10; // ms: the shortest time the fit takes
FittedLine fittedLine(const std::vector<SensitivityRow>& rows, double from = kFittedFrom);
double fittedSlope(const std::vector<SensitivityRow>& rows, double from = kFittedFrom);
// "σ = 3,12·τ^-0,497": the fitted line as the chart's legend and the saved chart show it.
std::string fittedEquation(const FittedLine& line, char decimalSeparator);

// What a run is started with: the window's fields and state at "Пуск" and the
// experiment's own settings.
// The experiments of the window: the sensitivity against the accumulation time, or the
// modulated receiver against the total-power one (the calibrated receiver, both
// switchings with the typed ΔKp/Kp, one run each).
enum class ExperimentKind { Sensitivity, Switching };

struct ExperimentSettings {
    ExperimentKind kind = ExperimentKind::Sensitivity;
    FieldTexts texts;
    float sideLobeFraction = 0;
    std::int16_t sideLobeTemperature = 0;
    double largest = 1000;       // the longest accumulation time, ms
    int presses = 10;            // presses per time
    char decimalSeparator = ','; // of the user's locale, for the numbers in the run's name
};

// The runs one start makes: the settings themselves; for the switching experiment, the
// calibrated receiver modulated, then without modulation.
std::vector<ExperimentSettings> runsOfStart(const ExperimentSettings& settings);
// The experiments' names, for the window's list, in the order of ExperimentKind.
std::vector<std::string> experimentNames();

// One run of the experiment: its number, the name of its series and its rows.
struct ExperimentRun {
    int number = 1;
    std::string name;
    ExperimentSettings settings;
    std::vector<SensitivityRow> rows;
};

// The runs since the table was last cleared: the table shows every row of every run, the
// chart one series per run.
class ExperimentLog {
public:
    // A new run, numbered after the last; named with what differs from the first run.
    const ExperimentRun& startRun(const ExperimentSettings& settings);
    void addRow(const SensitivityRow& row); // to the last run
    void clear();

    const std::vector<ExperimentRun>& runs() const { return runs_; }
    int rowCount() const;
    // The table as CSV (the rules of the picture's data): a run column, then the row.
    std::string csv(char decimalSeparator) const;
    // The fitted slope of every run with the radiometer equation's, for under the chart.
    std::string slopeText(char decimalSeparator) const;

private:
    std::vector<ExperimentRun> runs_;
};

// The name of a run's series: "Опыт 1: 50кГц, протяжённая цель" for the first; a later
// one names what differs from the first ("Опыт 2: Fдискретиз. 25кГц; Т-ра вн.шума, К =
// 200"), or says that nothing does.
std::string runName(int number, const ExperimentSettings& settings,
                    const ExperimentSettings* first);

// The names of a run's series on the chart: the presses, their mean, the potential
// sensitivity and the fitted line (with its equation, as far as the run has gone).
struct SeriesNames {
    std::string presses;
    std::string means;
    std::string potential;
    std::string fitted;
};
SeriesNames seriesNames(const ExperimentRun& run, char decimalSeparator);

// The table's columns: the run, then the row.
std::vector<std::string> sensitivityColumns();
// A cell of the table: six significant digits (the CSV keeps fifteen).
std::string tableCell(double value, char decimalSeparator);
// The numbers of a row in the order of the columns after the run.
std::vector<double> rowCells(const SensitivityRow& row);

} // namespace views
