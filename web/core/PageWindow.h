// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window of the page: front::Window itself (the page sends the user's actions by
// control name and applies the changes that come back by element id), the picture's
// numbers and readout, the report, the experiments, and the helpers' share of a summator
// batch (the values they answer with are in PageTypes.h). Included once, by
// CoreBindings.cpp.

#include "front/Accessibility.h"
#include "front/Drawing.h"
#include "front/Json.h"
#include "front/Setup.h"
#include "front/Texts.h"
#include "front/Window.h"
#include "model/Numbers.h"
#include "model/Summator.h"
#include "views/ExperimentChart.h"
#include "views/Messages.h"
#include "views/PlotExport.h"
#include "views/SensitivityExperiment.h"
#include "views/SummatorView.h"
#include "web/core/PageTypes.h"

#include <emscripten/bind.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace page {

inline char separatorOf(const std::string& separator) {
    return separator == "," ? ',' : '.';
}

template <typename T> val copyOf(const std::vector<T>& values, const char* type) {
    return val::global(type).new_(
        emscripten::typed_memory_view(values.size(), values.empty() ? nullptr : values.data()));
}

// Bytes as a Uint8Array (a string would lose a CSV's byte-order mark on its way).
inline val bytesOf(const std::string& text) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(text.size(),
                                            reinterpret_cast<const std::uint8_t*>(text.data())));
}

inline std::vector<double> doublesOf(const val& array) {
    std::vector<double> values(array["length"].as<std::size_t>());
    val(emscripten::typed_memory_view(values.size(), values.data())).call<void>("set", array);
    return values;
}

inline Drawing drawingOf(const canvas::RecordingCanvas& recording) {
    const front::PackedDrawing drawing = front::pack(recording);
    return {copyOf(drawing.kinds, "Uint8Array"), copyOf(drawing.coordinates, "Float32Array"),
            copyOf(drawing.colours, "Uint8Array"), front::digestText(front::digest(drawing))};
}

// An experiment's refused press as the window's warning would show it.
inline Warning warningOf(const std::string& title, const views::PressError& error) {
    const front::Warning warning{title, error.what(), error.fault().quantities};
    return {warning.title, warning.text, warning.focusControl()};
}

inline ReportTable tableOf(const front::ReportTable& table) {
    val rows = val::array();
    for (const std::vector<std::string>& row : table.rows)
        rows.call<void>("push", arrayOf(row));
    return {arrayOf(table.columns), rows};
}

// The decades of a logarithmic axis with their labels, as the locale writes numbers.
inline val ticks(double low, double high, char separator) {
    std::vector<Tick> out;
    for (double decade = std::floor(std::log10(low)); decade <= std::ceil(std::log10(high));
         ++decade) {
        const double value = std::pow(10.0, decade);
        if (value >= low * 0.999 && value <= high * 1.001)
            out.push_back({value, model::formatNumber(value, separator)});
    }
    return arrayOf(out);
}

inline Changes changesOf(const front::Changes& changes) {
    Changes out;
    out.controls = arrayOf(changes.controls);
    out.hasCaption = changes.caption.has_value();
    out.caption = changes.caption.value_or("");
    if (changes.box) {
        out.boxIcon =
            changes.box->icon == front::MessageBox::Icon::Warning ? "warning" : "information";
        out.boxTitle = changes.box->title;
        out.boxText = changes.box->text;
    }
    out.focus = changes.focus;
    out.picture = changes.picture;
    out.pressing = changes.pressing;
    out.close = changes.close;
    out.done = changes.done;
    out.total = changes.total;
    out.showProgress = changes.showProgress;
    out.announcement = changes.announcement;
    out.look = changes.look;
    return out;
}

// The window of the page: front::Window, and what the page's tools ask of it.
class PageWindow {
public:
    explicit PageWindow(const std::string& separator) : window_(separatorOf(separator)) {}

    Changes type(const std::string& field, const std::string& text) {
        return changesOf(window_.type(field, text));
    }
    Changes click(const std::string& name) { return changesOf(window_.click(name)); }
    Changes setChecked(const std::string& name, bool checked) {
        return changesOf(window_.setChecked(name, checked));
    }
    Changes choose(const std::string& list, int index) {
        return changesOf(window_.choose(list, index));
    }
    Changes clockTick(int hours, int minutes, int seconds) {
        return changesOf(window_.clockTick(hours, minutes, seconds));
    }
    Changes setHighContrast(bool on) { return changesOf(window_.setHighContrast(on)); }
    Changes openSetup(const std::string& text, const std::string& fileName) {
        return changesOf(window_.openSetup(text, fileName));
    }
    std::string setupText() const { return window_.setupText(); }
    // The receiver the page's address asks for (#receiver=, #switching=; null where it
    // names none), read as a setup of these keys alone would be: a word the setup does not
    // know is refused with the setup's message, the window unchanged.
    Changes chooseReceiverOfAddress(val receiver, val switching) {
        std::string text = std::string("{\"format\": ") + front::json::quote(front::kSetupFormat) +
                           ", \"version\": " + std::to_string(front::kSetupVersion);
        if (receiver.isString())
            text += ", \"receiver\": " + front::json::quote(receiver.as<std::string>());
        if (switching.isString())
            text += ", \"switching\": " + front::json::quote(switching.as<std::string>());
        return changesOf(
            window_.openSetup(text + "}", i18n::tr(front::setup_texts::kSetupFromAddress)));
    }

    Changes stepPress(double elapsedMs) { return changesOf(window_.stepPress(elapsedMs)); }
    // A step of the summator with its batch's partials from the helpers, joined in order.
    Changes stepWith(val largest, val smallest, val summed, double elapsedMs) {
        model::PeriodPartials given;
        given.largest = doublesOf(largest);
        given.smallest = doublesOf(smallest);
        given.summed = doublesOf(summed);
        return changesOf(window_.stepPress(given, elapsedMs));
    }
    Changes cancelPress() { return changesOf(window_.cancelPress()); }

    // The summator's next batch, for helper workers to compute its front ends and filters
    // (null for a block view, for the calibrated receiver's summator, which this worker
    // steps alone, or when the press is over).
    val nextBatch() const {
        const views::SummatorRun* summator = window_.pressSummator();
        if (!summator || summator->finished())
            return val::null();
        const views::SummatorRun::Batch batch = summator->nextBatch();
        const model::SummatorSettings& s = summator->settings();
        val out = val::object();
        const std::pair<const char*, double> numbers[] = {{"ta1", s.temperatures.ta1},
                                                          {"ta2", s.temperatures.ta2},
                                                          {"tprm", s.amplifier.tprm},
                                                          {"deltaf", s.amplifier.deltaf},
                                                          {"kp", s.amplifier.kp},
                                                          {"deltaKp", s.amplifier.deltaKp},
                                                          {"f1", s.f1},
                                                          {"f2", s.f2},
                                                          {"wordLength", s.wordLength}};
        for (const auto& [name, value] : numbers)
            out.set(name, value);
        out.set("samplingStep", s.samplingStep);
        out.set("seed", batch.seed);
        out.set("firstHigh", static_cast<std::uint32_t>(batch.firstUniform >> 32));
        out.set("firstLow", static_cast<std::uint32_t>(batch.firstUniform));
        out.set("periods", batch.periods);
        return out;
    }

    Drawing picture() const { return drawingOf(window_.picture()); }
    ValueTable valueTable() const {
        const front::ValueTable table = window_.valueTable();
        val rows = val::array();
        for (const std::vector<std::string>& row : table.rows)
            rows.call<void>("push", arrayOf(row));
        return {i18n::tr(front::texts::kValueTableTitle), arrayOf(table.header), rows};
    }
    // The curve's heights as a pitch from the lowest tone to the highest, an octave for
    // each equal step of height (as the ear hears pitch).
    Tone tone() const {
        std::vector<float> hertz;
        for (const double height : window_.toneHeights())
            hertz.push_back(static_cast<float>(
                front::kToneLowHz * std::pow(front::kToneHighHz / front::kToneLowHz, height)));
        return {front::kToneSeconds, copyOf(hertz, "Float32Array")};
    }
    val plotCsv() const { return bytesOf(views::plotCsv(window_.record(), separator())); }
    std::string readout(double x, double y) const {
        return views::readoutText(window_.record(), x, y, separator());
    }

    Report report(int year, int month, int day, int hour, int minute,
                  const std::string& version) const {
        const front::Report made =
            window_.report(&log_, front::reportDate(year, month, day, hour, minute), version);
        std::vector<ReportBlock> blocks;
        for (const front::ReportBlock& block : made.blocks)
            blocks.push_back({block.title, front::readingsText(block), drawingOf(*block.picture)});
        return {made.heading,           made.generated,
                made.setupHeading,      made.blocksHeading,
                made.noBlocks,          made.formulasHeading,
                made.experimentHeading, made.experimentSlope,
                tableOf(made.setup),    tableOf(made.experiment),
                arrayOf(made.formulas), arrayOf(blocks)};
    }

    // An experiment of `kind` (views::ExperimentKind), on the window's fields and state at
    // its start: every run of the start checked first, then the first begun.
    ExperimentStart startExperiment(int largestItem, const std::string& presses, int kind) {
        runner_.reset();
        pending_.clear();
        const std::vector<double>& times = views::largestTimes();
        views::ExperimentSettings settings;
        settings.kind =
            kind == 1 ? views::ExperimentKind::Switching : views::ExperimentKind::Sensitivity;
        settings.texts = window_.fieldTexts();
        settings.sideLobeFraction = window_.session().state().sideLobeFraction;
        settings.sideLobeTemperature = window_.session().state().sideLobeTemperature;
        settings.largest = times.at(largestItem >= 0 && largestItem < int(times.size())
                                        ? static_cast<std::size_t>(largestItem)
                                        : views::kDefaultLargestTime);
        settings.presses = views::pressesFromText(presses);
        settings.decimalSeparator = separator();
        try {
            for (const views::ExperimentSettings& run : views::runsOfStart(settings))
                pending_.emplace_back(
                    run,
                    std::make_shared<const views::SensitivityExperiment>(
                        run.texts, window_.session().state(),
                        views::SensitivityExperiment::accumulationTimes(run.largest), run.presses));
        } catch (const views::PressError& error) {
            pending_.clear();
            ExperimentStart out;
            out.warning = warningOf(views::inputErrorTitle(), error);
            return out;
        }
        return beginNextRun();
    }

    ExperimentStep stepExperiment() {
        ExperimentStep out;
        out.state = "idle";
        if (runner_) {
            try {
                if (const std::optional<views::SensitivityRow> row = runner_->step()) {
                    log_.addRow(*row);
                    out.hasRow = true;
                    out.row = rowOf(log_.runs().back().number, *row);
                }
                out.done = runner_->done();
                out.total = runner_->total();
                out.state = runner_->finished() ? "done" : "running";
                if (runner_->finished() && !pending_.empty()) { // the start's next run
                    out.fit = fit();                            // the finished run's line
                    out.next = beginNextRun();
                    out.hasNext = true;
                    out.state = "running";
                }
            } catch (const views::PressError& error) {
                out.warning = warningOf(views::computeErrorTitle(), error);
                out.state = "failed";
            }
            if (out.state != "running") {
                runner_.reset();
                pending_.clear();
            }
        }
        out.slope = log_.slopeText(separator());
        if (!out.hasNext)
            out.fit = fit();
        out.axes = axes();
        return out;
    }

    void stopExperiment() {
        runner_.reset();
        pending_.clear();
    }
    Axes experimentAxes() const { return axes(); }
    Axes clearExperiment() {
        runner_.reset();
        pending_.clear();
        log_.clear();
        return axes();
    }
    val experimentCsv() const { return bytesOf(log_.csv(separator())); }

private:
    char separator() const { return window_.decimalSeparator(); }

    // The first run still to come: its rows to the log, its series to the page.
    ExperimentStart beginNextRun() {
        const auto [settings, experiment] = pending_.front();
        pending_.erase(pending_.begin());
        runner_ = std::make_unique<views::ExperimentRunner>(experiment);
        ExperimentStart out;
        const views::ExperimentRun& run = log_.startRun(settings);
        const views::SeriesNames names = views::seriesNames(run, separator());
        out.ok = true;
        out.run = run.number;
        out.name = run.name;
        out.presses = names.presses;
        out.means = names.means;
        out.potential = names.potential;
        out.fitted = names.fitted;
        out.longest = views::SensitivityExperiment::accumulationTimes(settings.largest).back();
        out.colour = static_cast<int>(views::runColour(run.number));
        out.contrastColour =
            static_cast<int>(front::contrastingColour(0xff000000u | views::runColour(run.number),
                                                      front::kWhite, front::kTraceContrast) &
                             0xffffffu);
        return out;
    }

    ExperimentRow rowOf(int run, const views::SensitivityRow& row) const {
        const std::vector<double> numbers = views::rowCells(row);
        std::vector<std::string> cells;
        for (const double value : numbers)
            cells.push_back(views::tableCell(value, separator()));
        return {run, arrayOf(cells), arrayOf(numbers), arrayOf(row.real)};
    }

    // The last run's fitted line: its equation and what it takes to draw it.
    Fit fit() const {
        if (log_.runs().empty())
            return {};
        const views::ExperimentRun& run = log_.runs().back();
        const views::FittedLine line = views::fittedLine(run.rows);
        return {line.valid(), line.slope, line.coefficient, views::kFittedFrom,
                views::seriesNames(run, separator()).fitted};
    }

    Axes axes() const {
        const views::ChartAxes a = views::chartAxes(log_);
        return {a.timeLow,
                a.timeHigh,
                a.kelvinLow,
                a.kelvinHigh,
                ticks(a.timeLow, a.timeHigh, separator()),
                ticks(a.kelvinLow, a.kelvinHigh, separator())};
    }

    front::Window window_;
    views::ExperimentLog log_;
    std::unique_ptr<views::ExperimentRunner> runner_;
    // The runs of the start still to come (the switching experiment's second).
    std::vector<
        std::pair<views::ExperimentSettings, std::shared_ptr<const views::SensitivityExperiment>>>
        pending_;
};

// A helper worker's share of a summator batch: the front ends and filters of its periods.
struct Partials {
    val largest = val::undefined();
    val smallest = val::undefined();
    val summed = val::undefined();
};
class PartialsHelper {
public:
    Partials compute(val batch, int from, int periods) {
        model::SummatorSettings settings;
        settings.temperatures = {batch["ta1"].as<double>(), batch["ta2"].as<double>()};
        settings.amplifier = {batch["tprm"].as<double>(), batch["deltaf"].as<double>(),
                              batch["kp"].as<double>(), batch["deltaKp"].as<double>()};
        settings.f1 = batch["f1"].as<double>();
        settings.f2 = batch["f2"].as<double>();
        settings.wordLength = batch["wordLength"].as<double>();
        settings.samplingStep = batch["samplingStep"].as<int>();
        const std::uint64_t first =
            (static_cast<std::uint64_t>(batch["firstHigh"].as<std::uint32_t>()) << 32) |
            batch["firstLow"].as<std::uint32_t>();
        model::Summator summator(settings, model::selectedPeriodKernel(), 1);
        const model::PeriodPartials partials = summator.partials(
            batch["seed"].as<std::uint32_t>(),
            first + model::kUniformsPerPeriod * static_cast<std::uint64_t>(from), periods);
        return {copyOf(partials.largest, "Float64Array"), copyOf(partials.smallest, "Float64Array"),
                copyOf(partials.summed, "Float64Array")};
    }
};

} // namespace page
