// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared by the tests of the block views: fresh states, field texts with one field
// changed, the segments of a recorded picture, the input connected at each sample, a
// press expected to fail, and the levels the curves settle on.

#include "PressFixture.h"
#include "model/Chain.h"
#include "model/Temperatures.h"
#include "views/BlockViews.h"
#include "views/Fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace block_view_testing {

using canvas::Colour;
using canvas::RecordingCanvas;
using model::Quantity;
using model::ReceiverState;
using model::Result;
using model::SwitchInput;
using testing_support::defaultTexts;
using testing_support::press;
using testing_support::Recorded;
using testing_support::sameCalls;
using testing_support::startupState;
using views::Block;
using views::FieldTexts;

using Call = RecordingCanvas::Call;
using Kind = RecordingCanvas::Kind;

constexpr int kSamples = 10000;
constexpr int kOpeningCalls = 4;                      // clear, scale, reference line, start point
constexpr double kGeneratorGain = 1.0003544279241867; // generator output / raw sample
constexpr double kTa1 = 303.6;
constexpr double kTa2 = 100;

constexpr Colour kFirst{1, 2, 3};
constexpr Colour kSecond{4, 5, 6};

inline std::unique_ptr<ReceiverState> freshState() {
    return std::make_unique<ReceiverState>(startupState());
}

inline std::unique_ptr<ReceiverState> copyOf(const ReceiverState& state) {
    return std::make_unique<ReceiverState>(state);
}

// A start-up state whose objects are drawn in two colours no other call uses.
inline std::unique_ptr<ReceiverState> colouredState() {
    auto state = freshState();
    state->obj1Red = kFirst.red;
    state->obj1Green = kFirst.green;
    state->obj1Blue = kFirst.blue;
    state->obj2Red = kSecond.red;
    state->obj2Green = kSecond.green;
    state->obj2Blue = kSecond.blue;
    return state;
}

inline FieldTexts textsWith(Quantity field, const std::string& text) {
    FieldTexts texts = defaultTexts();
    texts[field] = text;
    return texts;
}

// How a message names a field of the extended-target scene.
inline std::string caption(Quantity field) {
    return views::fieldCaption(field, model::Scene::ExtendedTarget);
}

// The segments of the curve: every call after the opening.
inline std::vector<Call> segments(const RecordingCanvas& canvas) {
    const auto& calls = canvas.calls();
    if (calls.size() < kOpeningCalls)
        return {};
    return {calls.begin() + kOpeningCalls, calls.end()};
}

// The input the switch connects at sample i of a two-period record.
inline bool firstInputAt(int i) {
    return i <= 2500 || (i >= 5001 && i <= 7501);
}

inline bool sameTexts(const views::ResultTexts& a, const views::ResultTexts& b) {
    if (a.items.size() != b.items.size())
        return false;
    for (std::size_t k = 0; k < a.items.size(); ++k)
        if (a.items[k].result != b.items[k].result || a.items[k].text != b.items[k].text)
            return false;
    return true;
}

// A press expected to fail: the message, and the canvas left without a single call.
inline std::string failingPress(Block block, const FieldTexts& texts, ReceiverState& state) {
    const views::Press prepared = views::preparePress(block, texts, state);
    RecordingCanvas canvas;
    try {
        views::runPress(prepared, state, canvas, ',');
    } catch (const views::PressError& error) {
        EXPECT_TRUE(canvas.calls().empty());
        return error.what();
    }
    ADD_FAILURE() << "the press did not fail";
    return {};
}

inline double meanOver(const std::vector<Call>& curve,
                       std::initializer_list<std::pair<int, int>> ranges) {
    double sum = 0;
    int count = 0;
    for (const auto& [from, to] : ranges)
        for (int i = from; i <= to; ++i) {
            sum += curve[i - 1].y1;
            ++count;
        }
    return sum / count;
}

// The curve's mean level in the second half of every half-period of the first input
// and of the second, averaged over `presses` presses on one state.
struct Levels {
    double first = 0;
    double second = 0;
};

inline Levels settledLevels(Block block, int presses) {
    auto state = freshState();
    Levels levels;
    for (int p = 0; p < presses; ++p) {
        const auto curve = segments(press(block, defaultTexts(), *state).canvas);
        levels.first += meanOver(curve, {{1251, 2500}, {6251, 7500}}) / presses;
        levels.second += meanOver(curve, {{3751, 5000}, {8751, 10000}}) / presses;
    }
    return levels;
}

} // namespace block_view_testing
