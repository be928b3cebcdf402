// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Everything the window does that is not drawing widgets, for both front ends: the state
// of the receiver, the presses of the block buttons in their three steps, the scene
// options, the side-lobe box and the colour menus. A front end sends what the user typed
// and clicked, and shows the texts, the recorded picture and the warnings that come back.
//
// A press:
//   1. open() reads the fields the block reads and evaluates the point target; the
//      window then resets its labels, sets the title, shows the beam-filling box or the
//      range;
//   2. run() computes the chain on a copy of the state and records the picture;
//   3. keep() makes the press the window's: its state, its record, its fields as the
//      last good ones.
// A failed step throws PressFailed with the warning to show; nothing has changed then.

#include "canvas/RecordingCanvas.h"
#include "front/FaultCauses.h"
#include "model/ReceiverState.h"
#include "views/Press.h"
#include "views/Scenes.h"

#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace front {

// Texts of the window's labels by control name, in the order the window writes them.
using LabelTexts = std::vector<std::pair<std::string, std::string>>;

// A warning box: its title, its text and the fields it names (the first takes the focus).
struct Warning {
    std::string title;
    std::string text;
    std::vector<model::Quantity> fields;
    // The control to focus after the box: the first field named; empty for none.
    std::string focusControl() const;
};

class PressFailed : public std::exception {
public:
    explicit PressFailed(Warning warning) : warning_(std::move(warning)) {}
    const Warning& warning() const { return warning_; }
    const char* what() const noexcept override { return warning_.text.c_str(); }

private:
    Warning warning_;
};

// What the window shows once the fields are read, before the chain runs.
struct PressOpening {
    views::Press press;
    views::FieldTexts texts; // as they were read
    bool beamFilled = false; // the point target fills the beam: the information box
    std::string range;       // the text of lblRmax; empty when none is shown
};

// A press computed but not yet the window's.
struct PressRun {
    std::unique_ptr<model::ReceiverState> state; // after the press
    canvas::RecordingCanvas recording;
    views::PressOutcome outcome; // results, their texts, the numbers behind the picture
};

class Session;

// A press being computed, a step at a time (the summator a batch of periods per step), on
// its own copy of the state: the window's stays as it was until keep().
class PressJob {
public:
    PressJob(const Session& session, const PressOpening& opening, char decimalSeparator);
    ~PressJob();
    PressJob(const PressJob&) = delete;
    PressJob& operator=(const PressJob&) = delete;

    // One step; true once the press is complete. PressFailed for a fault. With `given`,
    // the summator's next batch takes its front ends and filters from helpers.
    bool step();
    bool step(const model::PeriodPartials& given);
    const views::SummatorRun* summator() const { return computation_->summator(); }
    double done() const { return computation_->done(); }
    double total() const { return computation_->total(); }
    // Once complete: the state after the press, its picture and its results.
    PressRun takeRun();

private:
    const Session& session_;
    const PressOpening& opening_;
    std::unique_ptr<model::ReceiverState> state_;
    std::unique_ptr<canvas::RecordingCanvas> recording_;
    std::unique_ptr<views::PressComputation> computation_;
};

class Session {
public:
    Session(); // the window's start-up

    const model::ReceiverState& state() const { return *state_; }

    // The three steps of a press. decimalSeparator: ',' or '.', as the user's locale
    // writes numbers.
    PressOpening open(views::Block block, const views::FieldTexts& texts,
                      char decimalSeparator) const;
    // The whole computation at once, with progress told between the summator's batches
    // (PressCancelled when it says stop); PressJob for a caller that steps it itself.
    PressRun run(const PressOpening& opening, char decimalSeparator,
                 views::Progress* progress = nullptr) const;
    void keep(const PressOpening& opening, PressRun&& run);

    // The numbers behind the picture of the last press kept.
    const views::PlotRecord& record() const { return record_; }

    // An option clicked: the titles of the scene's input views; its look for the window.
    const views::SceneLook& chooseScene(model::Scene scene);
    // The side-lobe box clicked: unticked, the pair goes to 0 and 0; ticked, β and Tsl are
    // read from their texts. A warning when they cannot be: the pair stays 0 and 0, and
    // the window unticks the box (the fields stay open for the correction).
    std::optional<Warning> tickSideLobes(bool ticked, const std::string& betaText,
                                         const std::string& tslText);
    // A colour item clicked: object 0 or 1, the row of front::colourRows().
    void chooseColour(int object, int row);

    // The texts of the last good press of each field.
    const GoodTexts& goodTexts() const { return good_; }

    // The noise stream from a setup's seed, as a fresh start does from the built-in one
    // (the generators' last samples back to 0); the seed is kept, for a setup saved later.
    void restartNoise(std::uint64_t seed);
    std::optional<std::uint64_t> noiseSeed() const { return seed_; }

    // The last press of every block pressed since the start, for a lab report: its title,
    // the labels as the window showed them after it, and its picture.
    struct KeptPress {
        std::string title;
        LabelTexts labels;
        canvas::RecordingCanvas picture;
        canvas::Colour first, second; // the inputs' colours it was drawn in
    };
    const std::map<views::Block, KeptPress>& keptPresses() const { return kept_; }

private:
    friend class PressJob;
    std::unique_ptr<model::ReceiverState> state_;
    GoodTexts good_;
    views::PlotRecord record_;
    std::optional<std::uint64_t> seed_;
    std::map<views::Block, KeptPress> kept_;
};

// The default text of every field, as the window shows it at start.
views::FieldTexts defaultFieldTexts();

// What the opening of a press writes: the result labels reset ("Ta1=...", "Ta2=...", the
// others empty), the title in lblname and the range (or nothing) in lblRmax.
LabelTexts openingLabels(const PressOpening& opening);
// What its end writes: each result in its label.
LabelTexts resultLabels(const views::ResultTexts& results);

} // namespace front
