// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One press of a block button, as the window drives it:
//   1. preparePress converts every field the block's description lists and evaluates the
//      point target; it changes nothing and throws PressError on any bad input;
//   2. the window resets its labels, sets the title, shows the beam-filling box when
//      the point target fills the beam, and writes the range into lblRmax;
//   3. runPress computes the chain on a copy of the state and draws into a canvas; it
//      throws PressError on a fault met while computing, PressCancelled when progress
//      says stop;
//   4. on success the window keeps the new state, the picture and the result texts.

#include "canvas/Canvas.h"
#include "model/CalibratedInputs.h"
#include "model/Fault.h"
#include "model/PointTarget.h"
#include "model/Quantity.h"
#include "model/ReceiverState.h"
#include "model/Summator.h"
#include "views/Blocks.h"
#include "views/Fields.h"
#include "views/Results.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace views {

class SummatorRun;
class CalibratedSummatorRun;

// Which receiver a press computes: the course's, calibrated for its defaults, or the
// calibrated one, whose numbers follow the radiometer's physics for any parameters (its
// switch modulated, or resting on input 1: a total-power receiver).
enum class ReceiverModel { Course, Calibrated };

// The texts of the window's fields at the moment of the press, the selected scene, the
// selected position of the sampling-rate list and the receiver chosen.
struct FieldTexts {
    std::array<std::string, model::kQuantityCount> texts;
    model::Scene scene = model::Scene::ExtendedTarget;
    int samplingRateIndex = kStartSamplingRate;
    ReceiverModel receiver = ReceiverModel::Course;
    model::Switching switching = model::Switching::Modulated;

    std::string& operator[](model::Quantity quantity) {
        return texts[static_cast<std::size_t>(quantity)];
    }
    const std::string& operator[](model::Quantity quantity) const {
        return texts[static_cast<std::size_t>(quantity)];
    }
};

// A bad input or a fault met while computing; what() is the whole Russian message,
// naming the field by its caption and the text typed, or the cause. fault() holds the
// fields the message names, in its order.
class PressError : public std::runtime_error {
public:
    PressError(model::Fault fault, model::Scene scene);
    const model::Fault& fault() const { return fault_; }

private:
    model::Fault fault_;
};

// The user stopped a long press.
class PressCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "press cancelled"; }
};

// The numbers read from the fields; only those the pressed block reads are set.
struct PressInputs {
    std::array<double, model::kQuantityCount> values{};
    int samplingStep = 100; // s of the summator

    double operator[](model::Quantity quantity) const {
        return values[static_cast<std::size_t>(quantity)];
    }
    double& operator[](model::Quantity quantity) {
        return values[static_cast<std::size_t>(quantity)];
    }
};

struct Press {
    Block block = Block::Modulator;
    model::Scene scene = model::Scene::ExtendedTarget;
    std::string title;
    std::optional<model::PointTarget> pointTarget; // set in the point-target scene
    PressInputs inputs;
    ReceiverModel receiver = ReceiverModel::Course;
    model::Switching switching = model::Switching::Modulated; // the calibrated receiver's
};

Press preparePress(Block block, const FieldTexts& texts, const model::ReceiverState& state);

// Told after every batch of summator periods; returns false to stop the press.
class Progress {
public:
    virtual ~Progress() = default;
    virtual bool keepGoing(double passesDone, double passesTotal) = 0;
};

// What a press gives back: its view's results as numbers and the numbers behind its
// picture, with the texts of the results in the order the window writes them.
struct PressOutcome : ViewOutput {
    ResultTexts texts;
};

// A press computed in steps: a block view in one, the summator a batch of periods at a
// time. Between two steps the caller may look at the progress, stop, or (in a browser's
// worker) take its messages. Works on `state`, the press's own copy of the window's state,
// and draws into `canvas` in the last step. A step throws PressError for a fault.
class PressComputation {
public:
    PressComputation(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                     char decimalSeparator);
    ~PressComputation();
    PressComputation(const PressComputation&) = delete;
    PressComputation& operator=(const PressComputation&) = delete;

    // One step; true once the press is complete. With `given`, the summator's next batch
    // takes its front ends and filters from there (see SummatorRun).
    bool step();
    bool step(const model::PeriodPartials& given);
    // The summator's press, to hand its next batch to helpers; null for a block view.
    const SummatorRun* summator() const { return summator_.get(); }
    bool complete() const { return complete_; }
    // The work done and to do, in the summator's periods (0 of 1 for a block view).
    double done() const;
    double total() const;
    // Once complete: the results, their texts and the numbers behind the picture.
    PressOutcome takeOutcome() { return std::move(outcome_); }

private:
    const Press& press_;
    model::ReceiverState& state_;
    canvas::Canvas& canvas_;
    char decimalSeparator_;
    std::unique_ptr<SummatorRun> summator_;             // the summator's press; none for a view
    std::unique_ptr<CalibratedSummatorRun> calibrated_; // the calibrated receiver's summator
    bool complete_ = false;
    PressOutcome outcome_;
};

// Runs the view: sets state.beamTemperature from the point target, computes the chain
// and draws into canvas. Call it on a copy of the window's state so that a failed or
// cancelled press leaves the window's state as it was.
PressOutcome runPressOutcome(const Press& press, model::ReceiverState& state,
                             canvas::Canvas& canvas, char decimalSeparator,
                             Progress* progress = nullptr);
// The same, for a caller that needs only the texts.
ResultTexts runPress(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                     char decimalSeparator, Progress* progress = nullptr);

} // namespace views
