// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/SensitivityExperiment.h"

#include "canvas/NullCanvas.h"
#include "model/Numbers.h"
#include "model/Summator.h"
#include "views/PlotExport.h"
#include "views/Scenes.h"

#include <cmath>
#include <memory>
#include <numeric>
#include <optional>
#include <stdexcept>

namespace views {

namespace {

constexpr std::uint64_t kPeriodUniforms = model::kUniformsPerPeriod;

// A result the summator always gives.
double resultOf(const PressOutcome& outcome, model::Result result) {
    const std::optional<double> value = outcome.values.get(result);
    if (!value)
        throw std::logic_error("the summator gave no such result");
    return *value;
}

double meanOf(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

} // namespace

double SensitivityRow::realMean() const {
    return meanOf(real);
}

double SensitivityRow::realSpread() const {
    if (real.size() < 2)
        return 0;
    const double mean = realMean();
    double sum = 0;
    for (const double x : real)
        sum += (x - mean) * (x - mean);
    return std::sqrt(sum / static_cast<double>(real.size() - 1));
}

double SensitivityRow::measuredMean() const {
    return meanOf(measured);
}

std::vector<double> SensitivityExperiment::accumulationTimes(double largest) {
    std::vector<double> times;
    for (double decade = 1; decade <= 1e6; decade *= 10)
        for (const double step : {2.0, 5.0, 10.0})
            if (step * decade <= largest && (times.empty() || times.back() < step * decade))
                times.push_back(step * decade);
    return times;
}

SensitivityExperiment::SensitivityExperiment(const FieldTexts& texts,
                                             const model::ReceiverState& state,
                                             std::vector<double> times, int presses)
    : times_(std::move(times)), pressesPerTime_(presses), state_(state) {
    FieldTexts timed = texts;
    for (const double tau : times_) {
        timed[model::Quantity::Accumulation] = model::formatNumber(tau, '.');
        presses_.push_back(preparePress(Block::Summator, timed, state_));
    }
    const auto& rates = samplingRates();
    const int rate = texts.samplingRateIndex;
    name_ =
        std::string(rate >= 0 && rate < static_cast<int>(rates.size()) ? rates[rate].name : "") +
        ", " + sceneLook(texts.scene).name;
}

double SensitivityExperiment::periodsBefore(int index) const {
    double periods = 0;
    for (int k = 0; k < index; ++k)
        periods += std::floor(times_[static_cast<std::size_t>(k)]) * pressesPerTime_;
    return periods;
}

double SensitivityExperiment::periods() const {
    return periodsBefore(timeCount());
}

namespace {
// A press's progress as part of the whole experiment's.
class ExperimentProgress final : public Progress {
public:
    ExperimentProgress(Progress* whole, double before, double total)
        : whole_(whole), before_(before), total_(total) {}
    bool keepGoing(double passesDone, double) override {
        return !whole_ || whole_->keepGoing(before_ + passesDone, total_);
    }

private:
    Progress* whole_;
    double before_;
    double total_;
};
} // namespace

SensitivityRow SensitivityExperiment::runTime(int index, Progress* progress) const {
    const Press& press = presses_[static_cast<std::size_t>(index)];
    SensitivityRow row;
    row.accumulation = times_[static_cast<std::size_t>(index)];
    const double periodsOfTime = std::floor(row.accumulation);
    const double before = periodsBefore(index);
    const double total = periods();
    canvas::NullCanvas nowhere;
    for (int p = 0; p < pressesPerTime_; ++p) {
        // Each press takes its noise after every earlier press's periods.
        const double start = before + p * periodsOfTime;
        auto state = std::make_unique<model::ReceiverState>(state_);
        state->uniform = model::UniformSource(state_.uniform.seed());
        state->uniform.skip(kFirstUniform + kPeriodUniforms * static_cast<std::uint64_t>(start));
        ExperimentProgress pressProgress(progress, start, total);
        const PressOutcome outcome = runPressOutcome(press, *state, nowhere, '.', &pressProgress);
        row.real.push_back(resultOf(outcome, model::Result::realSensitivity));
        row.measured.push_back(resultOf(outcome, model::Result::measuredDifference));
        row.potential = resultOf(outcome, model::Result::potentialSensitivity);
        row.computedDifference = resultOf(outcome, model::Result::antennaDifference);
        if (progress && !progress->keepGoing(start + periodsOfTime, total))
            throw PressCancelled();
    }
    return row;
}

double fittedSlope(const std::vector<SensitivityRow>& rows, double from) {
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const SensitivityRow& row : rows) {
        if (row.accumulation < from || !(row.realMean() > 0))
            continue;
        const double x = std::log10(row.accumulation);
        const double y = std::log10(row.realMean());
        n += 1;
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double denominator = n * sxx - sx * sx;
    if (n < 2 || denominator == 0)
        return std::nan("");
    return (n * sxy - sx * sy) / denominator;
}

const std::vector<std::string>& sensitivityColumns() {
    static const std::vector<std::string> columns = {
        "Время накопления, мс",
        "Реальная чувствительность, К",
        "Разброс реальной чувствительности, К",
        "Потенциальная чувствительность, К",
        "Измеренная разность антенных температур, К",
        "Разность антенных температур, К",
    };
    return columns;
}

std::string sensitivityCsv(const std::vector<SensitivityRow>& rows, char decimalSeparator) {
    std::vector<CsvRow> cells;
    for (const SensitivityRow& row : rows)
        cells.push_back({row.accumulation, row.realMean(), row.realSpread(), row.potential,
                         row.measuredMean(), row.computedDifference});
    return csvTable(sensitivityColumns(), cells, decimalSeparator);
}

} // namespace views
