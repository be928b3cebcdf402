// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One description of every block of the receiver's diagram: its button, its title, how
// far along the chain it runs, the fields it reads and the results it writes, and the view
// that computes and draws it. The press reads exactly these fields, the messages name
// them, and the window makes its block buttons from this table. Adding a block is adding
// one entry here and its view.

#include "canvas/Canvas.h"
#include "model/Quantity.h"
#include "model/ReceiverState.h"
#include "views/PlotRecord.h"
#include "views/Results.h"

#include <string>
#include <vector>

namespace views {

enum class Block {
    Antenna,         // the first input
    NoiseEquivalent, // the second input
    Modulator,
    Switch,
    Uhf,
    Detector,
    Filter1,
    Capacitor,
    Filter2,
    Adc,
    Summator,
};

// How far along the chain a view runs.
enum class Stage {
    Modulator,
    Input,
    Switch,
    Uhf,
    Detector,
    Filter1,
    Capacitor,
    Filter2,
    Adc,
    Summator
};

struct Press;
class Progress;

// What a view gives back beside its picture: its results and the numbers it drew.
struct ViewOutput {
    ResultValues values;
    PlotRecord record;
};

// A view: computes the chain on the state it is given and draws into the canvas. A
// ModelError for a fault met while computing, before any drawing.
using View = ViewOutput (*)(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                            Progress* progress);

// Where a view's title comes from: fixed, or the state's title of an input (it follows
// the scene).
enum class TitleSource { Fixed, Input1, Input2 };

struct BlockDescription {
    Block block;
    const char* button; // objectName of the block's button
    TitleSource titleSource;
    const char* title; // the fixed title; nullptr for the inputs
    Stage stage;
    std::vector<model::Quantity> fields; // read by the press, in this order
    std::vector<model::Result> results;  // written, in this order
    View view;
};

// The eleven blocks in the order of the Tab key: the inputs, the switch and the
// modulator, then along the chain to the summator.
const std::vector<BlockDescription>& blockDescriptions();
const BlockDescription& describe(Block block);

// What the block's oscillogram shows, in a sentence or two: its button's tool tip, in the
// user's language.
std::string blockTooltip(Block block);

// The title of the block's view with the state's titles as they stand.
std::string titleOf(const BlockDescription& block, const model::ReceiverState& state);

// The fields that shape the signal: those a message about the computation names (the
// block's fields less the accumulation time and the sampling rate).
std::vector<model::Quantity> signalFields(const BlockDescription& block);

} // namespace views
