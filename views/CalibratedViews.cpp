// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/CalibratedViews.h"

#include "i18n/Translate.h"
#include "model/CalibratedResults.h"
#include "model/CalibratedStages.h"
#include "model/Fault.h"
#include "views/BlockViews.h"
#include "views/Press.h"
#include "views/SummatorView.h"
#include "views/ViewFrame.h"

#include <algorithm>
#include <cmath>

namespace views {

namespace {

using model::Quantity;
using model::SwitchInput;

constexpr int kInputSamples = 2700; // the input views' record, as the course's
constexpr int kViewPeriods = 2;     // the chain views' record: two modulation periods

// The value of an input the block does not read: valid, and without effect on what the
// block shows (a stage after it).
double readOr(const Press& press, Quantity quantity, double unread) {
    const std::vector<Quantity>& read = describe(press.block).fields;
    return std::find(read.begin(), read.end(), quantity) != read.end() ? press.inputs[quantity]
                                                                       : unread;
}

// A block's signal and where it starts: the settled state for the filters, 0 before them.
const std::vector<double>& stageOf(Block block, const model::CalibratedStages& stages) {
    switch (block) {
    case Block::Antenna:
        return stages.input1;
    case Block::NoiseEquivalent:
        return stages.input2;
    case Block::Switch:
        return stages.switched;
    case Block::Uhf:
        return stages.amplified;
    case Block::Detector:
        return stages.detected;
    case Block::Filter1:
        return stages.filter1;
    case Block::Capacitor:
        return stages.capacitor;
    case Block::Filter2:
        return stages.filter2;
    case Block::Adc:
    default:
        return stages.adc;
    }
}

// The picture's scale: the record's smallest to largest value with a twentieth to spare
// above and below, so that every sample is in the picture; the reference line at 0.
Scale scaleOf(const std::vector<double>& wave, int count) {
    double low = wave[1], high = wave[1];
    for (int i = 1; i <= count; ++i) {
        low = std::min(low, wave[static_cast<std::size_t>(i)]);
        high = std::max(high, wave[static_cast<std::size_t>(i)]);
    }
    const double spare = high > low ? (high - low) / 20 : std::max(std::abs(high), 1.0);
    return {0, toCanvas(high + spare), static_cast<float>(count), toCanvas(low - spare)};
}

// The receiver's inputs from the fields alone; Ta1 and Ta2 are the state's to give.
model::CalibratedInputs receiverInputs(const Press& press) {
    model::CalibratedInputs inputs;
    inputs.tprm = readOr(press, Quantity::ReceiverNoise, 100);
    inputs.bandwidth = readOr(press, Quantity::Bandwidth, 900);
    inputs.gain = readOr(press, Quantity::Gain, 4);
    inputs.gainInstability = readOr(press, Quantity::GainInstability, 0);
    inputs.cutoff1 = readOr(press, Quantity::Cutoff1, 9500);
    inputs.cutoff2 = readOr(press, Quantity::Cutoff2, 7000);
    inputs.wordLength = readOr(press, Quantity::WordLength, 12);
    inputs.accumulation = readOr(press, Quantity::Accumulation, 1);
    inputs.samplingStep = press.block == Block::Summator ? press.inputs.samplingStep : 1;
    inputs.switching = press.switching;
    return inputs;
}

} // namespace

std::string receiverName(ReceiverModel receiver, model::Switching switching) {
    if (receiver == ReceiverModel::Course)
        return {};
    return switching == model::Switching::TotalPower
               ? i18n::translate("Veltrum", "калиброванная модель, полная мощность")
               : i18n::translate("Veltrum", "калиброванная модель");
}

model::CalibratedInputs calibratedInputs(const Press& press, const model::ReceiverState& state) {
    const model::InputTemperatures temperatures = inputTemperatures(press, state);
    model::CalibratedInputs inputs = receiverInputs(press);
    inputs.ta1 = temperatures.ta1;
    inputs.ta2 = temperatures.ta2;
    return inputs;
}

void checkCalibratedPress(const Press& press, const FieldTexts& texts) {
    const std::vector<Quantity>& read = describe(press.block).fields;
    for (const Quantity temperature :
         {Quantity::Temperature1, Quantity::Temperature2, Quantity::SideLobeTemperature})
        if (std::find(read.begin(), read.end(), temperature) != read.end())
            model::checkCalibratedTemperature(temperature, press.inputs[temperature],
                                              texts[temperature]);
    // The temperatures are checked as typed, above; Ta1 and Ta2 stay 0 here.
    model::checkCalibratedInputs(receiverInputs(press),
                                 [&texts](Quantity quantity) { return texts[quantity]; });
}

ViewOutput calibratedBlockView(const Press& press, model::ReceiverState& state,
                               canvas::Canvas& canvas) {
    if (press.block == Block::Modulator) // the square wave has no units of a receiver
        return modulatorView(press, state, canvas, nullptr);
    const model::CalibratedChain chain(calibratedInputs(press, state));
    const bool input = press.block == Block::Antenna || press.block == Block::NoiseEquivalent;
    const int periods = input ? 1 : kViewPeriods;
    const model::CalibratedStages stages =
        model::calibratedStages(chain, state.uniform.seed(), state.uniform.position(), periods);
    state.uniform.skip(static_cast<std::uint64_t>(periods) * model::kCalibratedUniformsPerPeriod);

    const std::vector<double>& wave = stageOf(press.block, stages);
    const int count = input ? kInputSamples : stages.samples();
    requireFinite(wave.data(), 0, count);
    openPicture(canvas, scaleOf(wave, count), 0, 0, toCanvas(wave[0]));
    ViewOutput output;
    output.record.kind = PlotRecord::Kind::Samples;
    output.record.points.reserve(static_cast<std::size_t>(count));
    const canvas::Colour first = firstObjectColour(state), second = secondObjectColour(state);
    for (int i = 1; i <= count; ++i) {
        const SwitchInput connected = press.block == Block::Antenna ? SwitchInput::First
                                      : press.block == Block::NoiseEquivalent
                                          ? SwitchInput::Second
                                          : stages.connected[static_cast<std::size_t>(i)];
        const double value = wave[static_cast<std::size_t>(i)];
        canvas.lineTo(static_cast<float>(i), toCanvas(value),
                      connected == SwitchInput::First ? first : second);
        output.record.points.push_back(
            {static_cast<double>(i), value, connected == SwitchInput::First ? 1 : 2});
    }
    const model::InputTemperatures temperatures = inputTemperatures(press, state);
    if (press.block != Block::NoiseEquivalent)
        output.values.set(model::Result::ta1, temperatures.ta1);
    if (press.block != Block::Antenna)
        output.values.set(model::Result::ta2, temperatures.ta2);
    return output;
}

CalibratedSummatorRun::CalibratedSummatorRun(const Press& press, model::ReceiverState& state)
    : state_(state), inputs_(calibratedInputs(press, state)),
      summator_(std::make_unique<model::CalibratedSummator>(inputs_)),
      periods_(model::calibratedPeriods(inputs_)) {
    brightness_ =
        std::abs(press.inputs[Quantity::Temperature1] - press.inputs[Quantity::Temperature2]);
}

CalibratedSummatorRun::~CalibratedSummatorRun() = default;

void CalibratedSummatorRun::runBatch() {
    const std::int64_t batch = std::min(kPeriodsPerBatch, periods_ - done_);
    if (batch <= 0)
        return;
    summator_->run(state_.uniform, batch, statistics_, &readings_);
    done_ += batch;
}

ViewOutput CalibratedSummatorRun::draw(canvas::Canvas& canvas) {
    const model::CalibratedResults results =
        model::calibratedResults(inputs_, summator_->chain().countAll(), statistics_);
    ViewOutput output;
    output.record.kind = PlotRecord::Kind::Summator;
    output.record.readings = std::move(readings_);
    // The last period's first window, as the course summator plots its running mean.
    const std::vector<double>& summed = summator_->lastSummed();
    const int countA = summator_->chain().countA();
    std::vector<double> buffer(static_cast<std::size_t>(countA) + 1, 0.0);
    std::copy(summed.begin(), summed.begin() + countA, buffer.begin() + 1);
    canvas.clearPicture();
    drawAccumulation(canvas, buffer, countA, output.record.runningMeans);
    ResultValues& values = output.values;
    // The standard error needs two readings: one period leaves the real sensitivity unsaid
    // rather than 0.
    if (results.periods >= 2)
        values.set(model::Result::realSensitivity, results.realSensitivity);
    values.set(model::Result::potentialSensitivity, results.potentialSensitivity);
    values.set(model::Result::brightnessDifference, brightness_);
    values.set(model::Result::antennaDifference, results.computedDifference);
    values.set(model::Result::measuredDifference, results.measuredDifference);
    values.set(model::Result::ta1, results.ta1);
    values.set(model::Result::ta2, results.ta2);
    return output;
}

} // namespace views
