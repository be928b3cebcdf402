// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/SummatorView.h"

#include "model/Summator.h"
#include "model/Temperatures.h"
#include "views/Press.h"
#include "views/ViewFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace views {

namespace {

using model::Quantity;

model::SummatorSettings summatorSettings(const Press& press, const model::ReceiverState& state) {
    const PressInputs& in = press.inputs;
    model::SummatorSettings settings;
    settings.temperatures = inputTemperatures(press, state);
    settings.amplifier.tprm = in[Quantity::ReceiverNoise];
    settings.amplifier.deltaf = in[Quantity::Bandwidth];
    settings.amplifier.deltaKp = in[Quantity::GainInstability];
    settings.f1 = in[Quantity::Cutoff1];
    settings.f2 = in[Quantity::Cutoff2];
    settings.wordLength = in[Quantity::WordLength];
    settings.samplingStep = in.samplingStep;
    return settings;
}

} // namespace

void drawAccumulation(canvas::Canvas& canvas, const std::vector<double>& buffer, int countA,
                      std::vector<double>& runningMeans) {
    double bmax = 0;
    double bmin = 0;
    for (int i = 1; i <= countA; ++i) {
        if (bmax < buffer[i])
            bmax = buffer[i];
        if (bmin > buffer[i])
            bmin = buffer[i];
    }
    canvas.setScale(0, toCanvas(bmax), static_cast<float>(countA), toCanvas(bmin));
    canvas.setPosition(0, toCanvas(buffer[1]));
    double sum = buffer[1];
    runningMeans.push_back(sum);
    for (int i = 2; i <= countA; ++i) {
        sum += buffer[i];
        canvas.lineTo(static_cast<float>(i), toCanvas(sum / i));
        runningMeans.push_back(sum / i);
    }
    const float finalMean = toCanvas(sum / countA);
    canvas.drawLine(0, finalMean, static_cast<float>(countA), finalMean, canvas::kMagenta);
}

struct SummatorRun::Parts {
    model::SummatorSettings settings;
    model::Summator summator;
    model::SummatorStatistics statistics;
    std::vector<double> readings;
    explicit Parts(const model::SummatorSettings& given) : settings(given), summator(given) {}
};

SummatorRun::SummatorRun(const Press& press, model::ReceiverState& state)
    : press_(press), state_(state), parts_(std::make_unique<Parts>(summatorSettings(press, state))),
      // One period per whole millisecond.
      periods_(static_cast<std::int64_t>(std::floor(press.inputs[Quantity::Accumulation]))) {}

SummatorRun::~SummatorRun() = default;

void SummatorRun::runBatch() {
    const std::int64_t batch = std::min(kPeriodsPerBatch, periods_ - done_);
    if (batch <= 0)
        return;
    parts_->summator.run(state_, batch, parts_->statistics, &parts_->readings);
    done_ += batch;
}

SummatorRun::Batch SummatorRun::nextBatch() const {
    return {state_.uniform.seed(), state_.uniform.position(),
            static_cast<int>(std::min(kPeriodsPerBatch, periods_ - done_))};
}

const model::SummatorSettings& SummatorRun::settings() const {
    return parts_->settings;
}

void SummatorRun::runBatch(const model::PeriodPartials& given) {
    const int batch = nextBatch().periods;
    if (batch <= 0 || given.periods() != batch)
        return runBatch(); // partials of another batch: computed here instead
    parts_->summator.run(state_, given, parts_->statistics, &parts_->readings);
    done_ += batch;
}

ViewOutput SummatorRun::draw(canvas::Canvas& canvas) {
    const PressInputs& in = press_.inputs;
    ViewOutput output;
    output.record.kind = PlotRecord::Kind::Summator;
    output.record.readings = std::move(parts_->readings);
    // The statistics divide by the periods actually run; the potential sensitivity is
    // written for the accumulation time as typed.
    const model::SummatorResults results = model::summatorResults(
        parts_->statistics, in[Quantity::ReceiverNoise], in[Quantity::Temperature1],
        in[Quantity::Temperature2], in[Quantity::Accumulation], parts_->settings.temperatures);

    canvas.clearPicture();
    drawAccumulation(canvas, parts_->summator.buffer(), parts_->summator.windows().countA(),
                     output.record.runningMeans);
    ResultValues& values = output.values;
    values.set(model::Result::realSensitivity, results.realSensitivity);
    values.set(model::Result::potentialSensitivity, results.potentialSensitivity);
    values.set(model::Result::brightnessDifference, results.brightnessDifference);
    values.set(model::Result::antennaDifference, results.antennaDifference);
    values.set(model::Result::measuredDifference, results.measuredDifference);
    values.set(model::Result::ta1, results.ta1);
    values.set(model::Result::ta2, results.ta2);
    return output;
}

ViewOutput summatorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                        Progress* progress) {
    // In batches on every core; between two batches the progress is told and may stop
    // the press.
    SummatorRun run(press, state);
    while (!run.finished()) {
        run.runBatch();
        if (progress && !run.finished() &&
            !progress->keepGoing(static_cast<double>(run.periodsDone()),
                                 static_cast<double>(run.periodsTotal())))
            throw PressCancelled();
    }
    return run.draw(canvas);
}

} // namespace views
