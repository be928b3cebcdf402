// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/SensitivityExperiment.h"

#include "model/CalibratedNoise.h"
#include "views/CalibratedViews.h"

#include "i18n/Translate.h"

#include "canvas/NullCanvas.h"
#include "model/Numbers.h"
#include "model/Summator.h"
#include "views/Fields.h"
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

namespace {
double spreadOf(const std::vector<double>& values) {
    if (values.size() < 2)
        return 0;
    const double mean = meanOf(values);
    double sum = 0;
    for (const double x : values)
        sum += (x - mean) * (x - mean);
    return std::sqrt(sum / static_cast<double>(values.size() - 1));
}
} // namespace

double SensitivityRow::realMean() const {
    if (acrossPresses && measured.size() >= 2)
        return spreadOf(measured);
    return meanOf(real);
}

double SensitivityRow::realSpread() const {
    if (acrossPresses && measured.size() >= 2)
        return realMean() / std::sqrt(2.0 * static_cast<double>(measured.size() - 1));
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

std::unique_ptr<model::ReceiverState> SensitivityExperiment::stateOfPress(int index,
                                                                          int press) const {
    // Each press takes its noise after every earlier press's periods.
    const double start = periodsBefore(index) + press * std::floor(times_[index]);
    auto state = std::make_unique<model::ReceiverState>(state_);
    state->uniform = model::UniformSource(state_.uniform.seed());
    const std::uint64_t perPeriod = pressOf(index).receiver == ReceiverModel::Calibrated
                                        ? model::kCalibratedUniformsPerPeriod
                                        : kPeriodUniforms;
    state->uniform.skip(kFirstUniform + perPeriod * static_cast<std::uint64_t>(start));
    return state;
}

void SensitivityExperiment::addReading(SensitivityRow& row, const PressOutcome& outcome) {
    row.real.push_back(resultOf(outcome, model::Result::realSensitivity));
    row.measured.push_back(resultOf(outcome, model::Result::measuredDifference));
    row.potential = resultOf(outcome, model::Result::potentialSensitivity);
    row.computedDifference = resultOf(outcome, model::Result::antennaDifference);
}

SensitivityRow SensitivityExperiment::runTime(int index, Progress* progress) const {
    SensitivityRow row;
    row.accumulation = times_[static_cast<std::size_t>(index)];
    row.acrossPresses = pressOf(index).receiver == ReceiverModel::Calibrated;
    const double periodsOfTime = std::floor(row.accumulation);
    const double before = periodsBefore(index);
    const double total = periods();
    canvas::NullCanvas nowhere;
    for (int p = 0; p < pressesPerTime_; ++p) {
        const double start = before + p * periodsOfTime;
        const auto state = stateOfPress(index, p);
        ExperimentProgress pressProgress(progress, start, total);
        addReading(row, runPressOutcome(pressOf(index), *state, nowhere, '.', &pressProgress));
        if (progress && !progress->keepGoing(start + periodsOfTime, total))
            throw PressCancelled();
    }
    return row;
}

ExperimentRunner::ExperimentRunner(std::shared_ptr<const SensitivityExperiment> experiment)
    : experiment_(std::move(experiment)), nowhere_(std::make_unique<canvas::NullCanvas>()) {}

ExperimentRunner::~ExperimentRunner() = default;

double ExperimentRunner::done() const {
    if (finished())
        return total();
    return experiment_->periodsBefore(index_) + press_ * std::floor(experiment_->times()[index_]) +
           (computation_ ? computation_->done() : 0);
}

std::optional<SensitivityRow> ExperimentRunner::step() {
    if (finished())
        return std::nullopt;
    if (!computation_) {
        if (press_ == 0) {
            row_ = SensitivityRow();
            row_.accumulation = experiment_->times()[index_];
            row_.acrossPresses = experiment_->pressOf(index_).receiver == ReceiverModel::Calibrated;
        }
        state_ = experiment_->stateOfPress(index_, press_);
        computation_ = std::make_unique<PressComputation>(experiment_->pressOf(index_), *state_,
                                                          *nowhere_, '.');
    }
    if (!computation_->step())
        return std::nullopt;
    SensitivityExperiment::addReading(row_, computation_->takeOutcome());
    computation_.reset();
    state_.reset();
    if (++press_ < experiment_->pressesPerTime())
        return std::nullopt;
    press_ = 0;
    ++index_;
    return row_;
}

FittedLine fittedLine(const std::vector<SensitivityRow>& rows, double from) {
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
        return {std::nan(""), std::nan("")};
    const double slope = (n * sxy - sx * sy) / denominator;
    const double intercept = (sy - slope * sx) / n;
    return {slope, std::pow(10.0, intercept)};
}

double fittedSlope(const std::vector<SensitivityRow>& rows, double from) {
    return fittedLine(rows, from).slope;
}

namespace {
// A slope to three decimals, as a fit of a few rows can tell it.
std::string slopeNumber(double slope, char decimalSeparator) {
    return model::formatNumber(std::round(slope * 1000) / 1000, decimalSeparator);
}
} // namespace

std::string fittedEquation(const FittedLine& line, char decimalSeparator) {
    if (!line.valid())
        return i18n::translate("Veltrum", "σ: мало точек для прямой");
    return "σ = " + model::formatNumber(line.coefficient, decimalSeparator, 3) + "·τ^" +
           slopeNumber(line.slope, decimalSeparator);
}

std::vector<std::string> sensitivityColumns() {
    static const char* const columns[] = {
        VT_NOOP("Veltrum", "Опыт"),
        VT_NOOP("Veltrum", "Время накопления, мс"),
        VT_NOOP("Veltrum", "Реальная чувствительность, К"),
        VT_NOOP("Veltrum", "Разброс реальной чувствительности, К"),
        VT_NOOP("Veltrum", "Потенциальная чувствительность, К"),
        VT_NOOP("Veltrum", "Измеренная разность антенных температур, К"),
        VT_NOOP("Veltrum", "Разность антенных температур, К"),
    };
    std::vector<std::string> translated;
    for (const char* column : columns)
        translated.push_back(i18n::tr(column));
    return translated;
}

std::vector<double> rowCells(const SensitivityRow& row) {
    return {row.accumulation, row.realMean(),     row.realSpread(),
            row.potential,    row.measuredMean(), row.computedDifference};
}

std::string tableCell(double value, char decimalSeparator) {
    return model::formatNumber(value, decimalSeparator, 6);
}

namespace {

std::string sceneAndRate(const FieldTexts& texts) {
    const auto& rates = samplingRates();
    const int rate = texts.samplingRateIndex;
    return i18n::tr(rate >= 0 && rate < static_cast<int>(rates.size()) ? rates[rate].name : "") +
           ", " + i18n::tr(sceneLook(texts.scene).name);
}

// The fields a run's summator presses read in its scene, the sampling rate aside.
std::vector<model::Quantity> fieldsOfRun(model::Scene scene) {
    using Q = model::Quantity;
    std::vector<Q> read;
    if (scene == model::Scene::PointTarget)
        read = {Q::TargetArea, Q::FlightHeight, Q::Frequency};
    for (const Q quantity : describe(Block::Summator).fields)
        if (quantity != Q::SamplingRate && quantity != Q::Accumulation)
            read.push_back(quantity);
    return read;
}

} // namespace

std::vector<ExperimentSettings> runsOfStart(const ExperimentSettings& settings) {
    if (settings.kind == ExperimentKind::Sensitivity)
        return {settings};
    std::vector<ExperimentSettings> runs(2, settings);
    for (ExperimentSettings& run : runs)
        run.texts.receiver = ReceiverModel::Calibrated;
    runs[0].texts.switching = model::Switching::Modulated;
    runs[1].texts.switching = model::Switching::TotalPower;
    return runs;
}

std::vector<std::string> experimentNames() {
    return {i18n::translate("Veltrum", "Чувствительность и время накопления"),
            i18n::translate("Veltrum", "Модуляция и полная мощность")};
}

std::string runName(int number, const ExperimentSettings& settings,
                    const ExperimentSettings* first) {
    const std::string prefix =
        i18n::arg(i18n::translate("Veltrum", "Опыт %1: "), {std::to_string(number)});
    const std::string receiver = receiverName(settings.texts.receiver, settings.texts.switching);
    if (!first)
        return prefix + sceneAndRate(settings.texts) + (receiver.empty() ? "" : ", " + receiver);
    const FieldTexts& now = settings.texts;
    const FieldTexts& then = first->texts;
    std::vector<std::string> differences;
    if (now.receiver != then.receiver || now.switching != then.switching)
        differences.push_back(receiver.empty() ? i18n::translate("Veltrum", "учебная модель")
                                               : receiver);
    if (now.scene != then.scene)
        differences.push_back(i18n::tr(sceneLook(now.scene).name));
    if (now.samplingRateIndex != then.samplingRateIndex) {
        const auto& rates = samplingRates();
        const int rate = now.samplingRateIndex;
        if (rate >= 0 && rate < static_cast<int>(rates.size()))
            differences.push_back(
                plainCaption(i18n::tr(field(model::Quantity::SamplingRate).caption).c_str()) + " " +
                i18n::tr(rates[rate].name));
    }
    for (const model::Quantity quantity : fieldsOfRun(now.scene))
        if (now[quantity] != then[quantity])
            differences.push_back(fieldCaption(quantity, now.scene) + " = " + now[quantity]);
    if (settings.sideLobeFraction != first->sideLobeFraction ||
        settings.sideLobeTemperature != first->sideLobeTemperature)
        differences.push_back(
            settings.sideLobeFraction == 0 && settings.sideLobeTemperature == 0
                ? i18n::translate("Veltrum", "без боковых лепестков")
                : i18n::arg(
                      i18n::translate("Veltrum", "боковые лепестки β = %1, Тяб = %2 К"),
                      {model::formatNumber(settings.sideLobeFraction, settings.decimalSeparator),
                       std::to_string(settings.sideLobeTemperature)}));
    if (settings.presses != first->presses)
        differences.push_back(i18n::arg(i18n::translate("Veltrum", "%1 нажатий на время"),
                                        {std::to_string(settings.presses)}));
    if (settings.largest != first->largest)
        differences.push_back(
            i18n::arg(i18n::translate("Veltrum", "до %1 мс"),
                      {model::formatNumber(settings.largest, settings.decimalSeparator)}));
    if (differences.empty())
        return prefix + i18n::translate("Veltrum", "как опыт 1");
    std::string joined;
    for (const std::string& difference : differences)
        joined += (joined.empty() ? "" : "; ") + difference;
    return prefix + joined;
}

SeriesNames seriesNames(const ExperimentRun& run, char decimalSeparator) {
    const std::string number =
        i18n::arg(i18n::translate("Veltrum", "Опыт %1: "), {std::to_string(run.number)});
    return {i18n::arg(i18n::translate("Veltrum", "%1: нажатия"), {run.name}),
            i18n::arg(i18n::translate("Veltrum", "%1: среднее"), {run.name}),
            i18n::arg(i18n::translate("Veltrum", "%1: потенциальная"), {run.name}),
            number + fittedEquation(fittedLine(run.rows), decimalSeparator)};
}

const ExperimentRun& ExperimentLog::startRun(const ExperimentSettings& settings) {
    ExperimentRun run;
    run.number = runs_.empty() ? 1 : runs_.back().number + 1;
    run.name = runName(run.number, settings, runs_.empty() ? nullptr : &runs_.front().settings);
    run.settings = settings;
    runs_.push_back(std::move(run));
    return runs_.back();
}

void ExperimentLog::addRow(const SensitivityRow& row) {
    if (!runs_.empty())
        runs_.back().rows.push_back(row);
}

void ExperimentLog::clear() {
    runs_.clear();
}

int ExperimentLog::rowCount() const {
    int count = 0;
    for (const ExperimentRun& run : runs_)
        count += static_cast<int>(run.rows.size());
    return count;
}

std::string ExperimentLog::csv(char decimalSeparator) const {
    std::vector<CsvRow> cells;
    for (const ExperimentRun& run : runs_) {
        for (const SensitivityRow& row : run.rows) {
            CsvRow line = {static_cast<double>(run.number)};
            for (const double value : rowCells(row))
                line.push_back(value);
            cells.push_back(std::move(line));
        }
    }
    return csvTable(sensitivityColumns(), cells, decimalSeparator);
}

std::string ExperimentLog::slopeText(char decimalSeparator) const {
    std::string text = i18n::translate("Veltrum", "Наклон реальной чувствительности от 10 мс:");
    if (runs_.empty())
        text += " —";
    for (const ExperimentRun& run : runs_) {
        const FittedLine line = fittedLine(run.rows);
        text += i18n::arg(i18n::translate("Veltrum", " опыт %1: "), {std::to_string(run.number)}) +
                (line.valid() ? slopeNumber(line.slope, decimalSeparator) + " (" +
                                    fittedEquation(line, decimalSeparator) + ")"
                              : std::string("—")) +
                ";";
    }
    return text + i18n::arg(i18n::translate("Veltrum", " уравнение радиометра: %1"),
                            {model::formatNumber(-0.5, decimalSeparator)});
}

} // namespace views
