// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Press.h"

#include "views/CalibratedViews.h"

#include "model/Chain.h"
#include "model/Fault.h"
#include "model/Numbers.h"
#include "model/Summator.h"
#include "views/Messages.h"
#include "views/SummatorView.h"

#include <utility>

namespace views {

namespace {

using model::Quantity;

double readField(const FieldTexts& texts, Quantity quantity) {
    return model::readNumber(quantity, texts[quantity]);
}

// The point target's inputs. A target that fills the beam is an extended target after
// all: its range is not computed, so the background, time and bandwidth fields are not
// read for it.
void readPointTarget(Press& press, const FieldTexts& texts, const model::ReceiverState& state) {
    model::PointTargetInputs in;
    in.area = readField(texts, Quantity::TargetArea);
    in.height = readField(texts, Quantity::FlightHeight);
    in.frequency = readField(texts, Quantity::Frequency);
    in.sideLobeFraction = state.sideLobeFraction;
    in.sideLobeTemperature = state.sideLobeTemperature;
    const model::BeamFilling beam = model::beamFilling(in.area, in.height, in.frequency);
    in.t1 = readField(texts, Quantity::Temperature1);
    if (!beam.filled) {
        in.t2 = readField(texts, Quantity::Temperature2);
        in.integration = readField(texts, Quantity::Accumulation);
        in.bandwidth = readField(texts, Quantity::Bandwidth);
    }
    press.pointTarget = model::evaluatePointTarget(in, beam);
}

int samplingStepAt(int index) {
    const auto& rates = samplingRates();
    if (index < 0 || index >= static_cast<int>(rates.size()))
        model::fail(model::FaultKind::SamplingRateNotChosen, {Quantity::SamplingRate});
    return rates[static_cast<std::size_t>(index)].step;
}

// One field of the block, with the rule its quantity must also keep.
void readBlockField(Press& press, const FieldTexts& texts, Quantity quantity) {
    if (quantity == Quantity::SamplingRate) {
        press.inputs.samplingStep = samplingStepAt(texts.samplingRateIndex);
        return;
    }
    const double value = readField(texts, quantity);
    press.inputs[quantity] = value;
    if (quantity == Quantity::Accumulation)
        model::checkAccumulation(value, texts[quantity]);
    if (quantity == Quantity::WordLength)
        model::checkWordLength(value, texts[quantity]);
}

// A fault met while computing names the fields that shape the signal when the model did
// not say which.
PressError pressError(model::Fault fault, const Press& press) {
    if (fault.quantities.empty())
        fault.quantities = signalFields(describe(press.block));
    return PressError(std::move(fault), press.scene);
}

} // namespace

PressError::PressError(model::Fault fault, model::Scene scene)
    : std::runtime_error(message(fault, scene)), fault_(std::move(fault)) {}

Press preparePress(Block block, const FieldTexts& texts, const model::ReceiverState& state) {
    const BlockDescription& description = describe(block);
    Press press;
    press.block = block;
    press.scene = texts.scene;
    press.title = titleOf(description, state);
    press.receiver = texts.receiver;
    press.switching = texts.switching;
    try {
        if (texts.scene == model::Scene::PointTarget)
            readPointTarget(press, texts, state);
        for (const Quantity quantity : description.fields)
            readBlockField(press, texts, quantity);
        if (press.receiver == ReceiverModel::Calibrated)
            checkCalibratedPress(press, texts);
    } catch (const model::ModelError& error) {
        throw pressError(error.fault(), press);
    }
    return press;
}

PressComputation::PressComputation(const Press& press, model::ReceiverState& state,
                                   canvas::Canvas& canvas, char decimalSeparator)
    : press_(press), state_(state), canvas_(canvas), decimalSeparator_(decimalSeparator) {
    if (press.pointTarget)
        state.beamTemperature = press.pointTarget->beamTemperature;
    try {
        const bool calibrated = press.receiver == ReceiverModel::Calibrated;
        if (press.block == Block::Summator && calibrated)
            calibrated_ = std::make_unique<CalibratedSummatorRun>(press, state);
        else if (press.block == Block::Summator)
            summator_ = std::make_unique<SummatorRun>(press, state);
    } catch (const model::ModelError& error) {
        throw pressError(error.fault(), press);
    }
}

PressComputation::~PressComputation() = default;

bool PressComputation::step() {
    return step(model::PeriodPartials{});
}

bool PressComputation::step(const model::PeriodPartials& given) {
    if (complete_)
        return true;
    const BlockDescription& description = describe(press_.block);
    try {
        ViewOutput output;
        if (calibrated_) {
            calibrated_->runBatch();
            if (!calibrated_->finished())
                return false;
            output = calibrated_->draw(canvas_);
        } else if (press_.receiver == ReceiverModel::Calibrated) {
            output = calibratedBlockView(press_, state_, canvas_);
        } else if (summator_) {
            if (given.periods() > 0)
                summator_->runBatch(given);
            else
                summator_->runBatch();
            if (!summator_->finished())
                return false;
            output = summator_->draw(canvas_);
        } else {
            output = description.view(press_, state_, canvas_, nullptr);
        }
        static_cast<ViewOutput&>(outcome_) = std::move(output);
        outcome_.texts = formatResults(outcome_.values, description.results, decimalSeparator_);
    } catch (const model::ModelError& error) {
        throw pressError(error.fault(), press_);
    }
    complete_ = true;
    return true;
}

double PressComputation::done() const {
    if (calibrated_)
        return static_cast<double>(calibrated_->periodsDone());
    if (summator_)
        return static_cast<double>(summator_->periodsDone());
    return complete_ ? 1 : 0;
}

double PressComputation::total() const {
    if (calibrated_)
        return static_cast<double>(calibrated_->periodsTotal());
    return summator_ ? static_cast<double>(summator_->periodsTotal()) : 1;
}

PressOutcome runPressOutcome(const Press& press, model::ReceiverState& state,
                             canvas::Canvas& canvas, char decimalSeparator, Progress* progress) {
    PressComputation computation(press, state, canvas, decimalSeparator);
    while (!computation.step())
        if (progress && !progress->keepGoing(computation.done(), computation.total()))
            throw PressCancelled();
    return computation.takeOutcome();
}

ResultTexts runPress(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                     char decimalSeparator, Progress* progress) {
    return runPressOutcome(press, state, canvas, decimalSeparator, progress).texts;
}

} // namespace views
