// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The block views as the window presses them: the picture each one draws (scale,
// magenta reference line, start point, segments and their colours), the labels it
// writes, the noise it consumes, the numbers its curve must show, and its faults.

#include "views/BlockViews.h"
#include "PressFixture.h"
#include "model/Chain.h"
#include "model/Temperatures.h"
#include "views/Fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using canvas::Colour;
using canvas::RecordingCanvas;
using model::ReceiverState;
using model::SwitchInput;
using testing_support::defaultTexts;
using testing_support::press;
using testing_support::Recorded;
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

std::unique_ptr<ReceiverState> freshState() {
    return std::make_unique<ReceiverState>(startupState());
}

std::unique_ptr<ReceiverState> copyOf(const ReceiverState& state) {
    return std::make_unique<ReceiverState>(state);
}

// A start-up state whose objects are drawn in two colours no other call uses.
std::unique_ptr<ReceiverState> colouredState() {
    auto state = freshState();
    state->obj1Red = kFirst.red;
    state->obj1Green = kFirst.green;
    state->obj1Blue = kFirst.blue;
    state->obj2Red = kSecond.red;
    state->obj2Green = kSecond.green;
    state->obj2Blue = kSecond.blue;
    return state;
}

FieldTexts textsWith(std::string FieldTexts::*field, const std::string& text) {
    FieldTexts texts = defaultTexts();
    texts.*field = text;
    return texts;
}

// The segments of the curve: every call after the opening.
std::vector<Call> segments(const RecordingCanvas& canvas) {
    const auto& calls = canvas.calls();
    if (calls.size() < kOpeningCalls)
        return {};
    return {calls.begin() + kOpeningCalls, calls.end()};
}

// The input the switch connects at sample i of a two-period record.
bool firstInputAt(int i) {
    return i <= 2500 || (i >= 5001 && i <= 7501);
}

using testing_support::sameCalls;

bool sameTexts(const views::ResultTexts& a, const views::ResultTexts& b) {
    return a.lblTa1 == b.lblTa1 && a.lblTa2 == b.lblTa2 && a.lblmo == b.lblmo &&
           a.lblmo1 == b.lblmo1 && a.lblEnterT == b.lblEnterT && a.lblEnter == b.lblEnter &&
           a.lblexit == b.lblexit;
}

// A press expected to fail: the message, and the canvas left without a single call.
std::string failingPress(Block block, const FieldTexts& texts, ReceiverState& state) {
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

// --- the opening of every picture ----------------------------------------------------

struct OpeningCase {
    Block block;
    const char* name;
    float left, top, right, bottom;
    float referenceY;
    std::optional<float> startY; // empty: a fresh noise sample
    std::size_t segments;
};

const OpeningCase kOpenings[] = {
    {Block::Modulator, "modulator", 0, 20, 4, 0, 10, 5.0f, 7},
    {Block::Antenna, "antenna", 0, 350, 2700, -350, 0, std::nullopt, 2700},
    {Block::NoiseEquivalent, "noise equivalent", 0, 350, 2700, -350, 0, std::nullopt, 2700},
    {Block::Switch, "switch", 0, 350, 10000, -350, 0, 0.0f, kSamples},
    {Block::Uhf, "UHF", 0, 1500, 10000, -1500, 0, 0.0f, kSamples},
    {Block::Detector, "detector", 0, 4000000, 10000, -4000000, 0, std::nullopt, kSamples},
    {Block::Filter1, "filter 1", 0, 500000, 10000, -100000, 0, 5000.0f, kSamples},
    {Block::Capacitor, "capacitor", 0, 200000, 10000, -200000, 0, -1000000.0f, kSamples},
    {Block::Filter2, "filter 2", 0, 200000, 10000, -200000, 0, 5000.0f, kSamples},
    {Block::Adc, "ADC", 0, 300000, 10000, -300000, 0, 5000.0f, kSamples},
};

TEST(BlockViewPicture, ScaleReferenceLineStartPointAndSegmentCount) {
    for (const OpeningCase& c : kOpenings) {
        SCOPED_TRACE(c.name);
        auto state = freshState();
        const Recorded recorded = press(c.block, defaultTexts(), *state);
        const auto& calls = recorded.canvas.calls();
        ASSERT_EQ(calls.size(), kOpeningCalls + c.segments);
        EXPECT_EQ(calls[0].kind, Kind::Clear);
        ASSERT_EQ(calls[1].kind, Kind::Scale);
        EXPECT_EQ(calls[1].x1, c.left);
        EXPECT_EQ(calls[1].y1, c.top);
        EXPECT_EQ(calls[1].x2, c.right);
        EXPECT_EQ(calls[1].y2, c.bottom);
        ASSERT_EQ(calls[2].kind, Kind::Line);
        EXPECT_EQ(calls[2].x1, c.left);
        EXPECT_EQ(calls[2].y1, c.referenceY);
        EXPECT_EQ(calls[2].x2, c.right);
        EXPECT_EQ(calls[2].y2, c.referenceY);
        EXPECT_EQ(calls[2].colour, canvas::kMagenta);
        ASSERT_EQ(calls[3].kind, Kind::Position);
        EXPECT_EQ(calls[3].x1, 0.0f);
        if (c.startY) {
            EXPECT_EQ(calls[3].y1, *c.startY);
        }
        for (const Call& call : segments(recorded.canvas)) {
            ASSERT_EQ(call.kind, Kind::LineTo);
            ASSERT_TRUE(call.colour.has_value()); // never the foreground colour
            ASSERT_TRUE(std::isfinite(call.y1));
        }
    }
}

TEST(BlockViewPicture, SegmentsRunOneSampleApart) {
    for (const OpeningCase& c : kOpenings) {
        if (c.block == Block::Modulator)
            continue;
        SCOPED_TRACE(c.name);
        auto state = freshState();
        const auto curve = segments(press(c.block, defaultTexts(), *state).canvas);
        ASSERT_EQ(curve.size(), c.segments);
        for (std::size_t k = 0; k < curve.size(); ++k)
            ASSERT_EQ(curve[k].x1, static_cast<float>(k + 1));
    }
}

// --- colours ------------------------------------------------------------------------

TEST(BlockViewColours, EachSampleInTheColourOfTheConnectedInput) {
    for (const OpeningCase& c : kOpenings) {
        if (c.segments != kSamples)
            continue;
        SCOPED_TRACE(c.name);
        auto state = colouredState();
        const auto curve = segments(press(c.block, defaultTexts(), *state).canvas);
        ASSERT_EQ(curve.size(), static_cast<std::size_t>(kSamples));
        for (int i = 1; i <= kSamples; ++i)
            ASSERT_EQ(*curve[i - 1].colour, firstInputAt(i) ? kFirst : kSecond) << "sample " << i;
        // The samples on both sides of each switching.
        EXPECT_EQ(*curve[2500 - 1].colour, kFirst);
        EXPECT_EQ(*curve[2501 - 1].colour, kSecond);
        EXPECT_EQ(*curve[5000 - 1].colour, kSecond);
        EXPECT_EQ(*curve[5001 - 1].colour, kFirst);
        EXPECT_EQ(*curve[7501 - 1].colour, kFirst);
        EXPECT_EQ(*curve[7502 - 1].colour, kSecond);
    }
}

TEST(BlockViewColours, InputViewsAndModulatorInTheirObjectsColour) {
    const struct {
        Block block;
        Colour colour;
    } cases[] = {
        {Block::Antenna, kFirst}, {Block::NoiseEquivalent, kSecond}, {Block::Modulator, kFirst}};
    for (const auto& c : cases) {
        auto state = colouredState();
        const Recorded recorded = press(c.block, defaultTexts(), *state);
        EXPECT_EQ(recorded.canvas.calls()[2].colour, canvas::kMagenta);
        for (const Call& call : segments(recorded.canvas))
            ASSERT_EQ(*call.colour, c.colour);
    }
}

// --- labels -------------------------------------------------------------------------

struct LabelCase {
    Block block;
    std::optional<std::string> lblTa1, lblTa2;
};

TEST(BlockViewLabels, TaLabelsAsEachViewWritesThem) {
    const std::string ta1 = "Ta1=303,6";
    const std::string ta2 = "Ta2=100";
    const LabelCase cases[] = {
        {Block::Modulator, std::nullopt, std::nullopt},
        {Block::Antenna, ta1, std::nullopt},
        {Block::NoiseEquivalent, std::nullopt, ta2},
        {Block::Switch, ta1, ta2},
        {Block::Uhf, ta1, ta2},
        {Block::Detector, ta1, ta2},
        {Block::Filter1, ta1, ta2},
        {Block::Capacitor, ta1, ta2},
        {Block::Filter2, ta1, ta2},
        {Block::Adc, ta1, ta2},
    };
    for (const LabelCase& c : cases) {
        auto state = freshState();
        const views::ResultTexts texts = press(c.block, defaultTexts(), *state).texts;
        EXPECT_EQ(texts.lblTa1, c.lblTa1) << static_cast<int>(c.block);
        EXPECT_EQ(texts.lblTa2, c.lblTa2) << static_cast<int>(c.block);
        EXPECT_FALSE(texts.lblmo || texts.lblmo1 || texts.lblEnterT || texts.lblEnter ||
                     texts.lblexit);
    }
}

TEST(BlockViewLabels, DecimalSeparatorOfTheWindow) {
    auto state = freshState();
    const views::Press prepared = views::preparePress(Block::Uhf, defaultTexts(), *state);
    RecordingCanvas canvas;
    const views::ResultTexts texts = views::runPress(prepared, *state, canvas, '.');
    EXPECT_EQ(texts.lblTa1, "Ta1=303.6");
    EXPECT_EQ(texts.lblTa2, "Ta2=100");
}

TEST(BlockViewLabels, PointTargetSceneUsesTheBeamTemperature) {
    auto state = freshState();
    const views::ResultTexts texts =
        press(Block::Switch, defaultTexts(model::Scene::PointTarget), *state).texts;
    EXPECT_EQ(texts.lblTa1, "Ta1=217,92");
    EXPECT_EQ(texts.lblTa2, "Ta2=120");
    EXPECT_NEAR(state->beamTemperature, 208.8, 1e-12);
}

// --- modulator ----------------------------------------------------------------------

TEST(BlockViewModulator, ExactSquareWave) {
    auto state = freshState();
    const Recorded recorded = press(Block::Modulator, defaultTexts(), *state);
    const Colour cyan{0, 255, 255};
    const std::vector<Call> expected = {
        {Kind::Clear, 0, 0, 0, 0, std::nullopt},
        {Kind::Scale, 0, 20, 4, 0, std::nullopt},
        {Kind::Line, 0, 10, 4, 10, canvas::kMagenta},
        {Kind::Position, 0, 5, 0, 0, std::nullopt},
        {Kind::LineTo, 1, 5, 0, 0, cyan},
        {Kind::LineTo, 1, 15, 0, 0, cyan},
        {Kind::LineTo, 2, 15, 0, 0, cyan},
        {Kind::LineTo, 2, 5, 0, 0, cyan},
        {Kind::LineTo, 3, 5, 0, 0, cyan},
        {Kind::LineTo, 3, 15, 0, 0, cyan},
        {Kind::LineTo, 4, 15, 0, 0, cyan},
    };
    const auto& calls = recorded.canvas.calls();
    ASSERT_EQ(calls.size(), expected.size());
    for (std::size_t k = 0; k < calls.size(); ++k) {
        EXPECT_EQ(calls[k].kind, expected[k].kind) << k;
        EXPECT_EQ(calls[k].x1, expected[k].x1) << k;
        EXPECT_EQ(calls[k].y1, expected[k].y1) << k;
        EXPECT_EQ(calls[k].x2, expected[k].x2) << k;
        EXPECT_EQ(calls[k].y2, expected[k].y2) << k;
        EXPECT_EQ(calls[k].colour, expected[k].colour) << k;
    }
    EXPECT_EQ(state->uniform.position(), 0u);
}

TEST(BlockViewModulator, DoesNotDependOnAnyField) {
    FieldTexts garbage;
    for (std::string* text :
         {&garbage.txtVisota, &garbage.txtScel, &garbage.txtF, &garbage.txtT2, &garbage.txtT1,
          &garbage.txtdeltaf, &garbage.txtKp, &garbage.txtdeltaKp, &garbage.txtTprm,
          &garbage.txtF11, &garbage.txtF22, &garbage.txtn, &garbage.txtTint})
        *text = "абв 1,2,3";
    garbage.scene = model::Scene::ExtendedTarget;
    garbage.cboFdIndex = -7;
    auto a = freshState();
    auto b = freshState();
    const Recorded withDefaults = press(Block::Modulator, defaultTexts(), *a);
    const Recorded withGarbage = press(Block::Modulator, garbage, *b);
    EXPECT_TRUE(sameCalls(withDefaults.canvas, withGarbage.canvas));
    EXPECT_TRUE(sameTexts(withDefaults.texts, withGarbage.texts));
}

// --- input views --------------------------------------------------------------------

struct InputCase {
    Block block;
    double temperature;
    double (*sample)(ReceiverState&, std::int16_t, double);
};

const InputCase kInputs[] = {{Block::Antenna, kTa1, model::input1Sample},
                             {Block::NoiseEquivalent, kTa2, model::input2Sample}};

TEST(BlockViewInput, StartPointIsAFreshSampleNotKeptThenTheStoredRecord) {
    for (const InputCase& c : kInputs) {
        auto state = freshState();
        state->inputWave[0] = 11;
        state->inputWave[2701] = 22;
        auto replay = copyOf(*state);
        const Recorded recorded = press(c.block, defaultTexts(), *state);
        const double start = c.sample(*replay, 0, c.temperature);
        EXPECT_EQ(recorded.canvas.calls()[3].y1, static_cast<float>(start));
        const auto curve = segments(recorded.canvas);
        for (int i = 1; i <= 2700; ++i) {
            const double expected = c.sample(*replay, static_cast<std::int16_t>(i), c.temperature);
            ASSERT_EQ(state->inputWave[i], expected) << i;
            ASSERT_EQ(curve[i - 1].y1, static_cast<float>(expected)) << i;
        }
        EXPECT_EQ(state->inputWave[0], 11.0);
        EXPECT_EQ(state->inputWave[2701], 22.0);
        EXPECT_EQ(state->uniform.position(), replay->uniform.position());
    }
}

TEST(BlockViewInput, LastViewPressedOwnsTheRecord) {
    auto state = freshState();
    press(Block::Antenna, defaultTexts(), *state);
    auto replay = copyOf(*state);
    press(Block::NoiseEquivalent, defaultTexts(), *state);
    model::input2Sample(*replay, 0, kTa2);
    for (int i = 1; i <= 2700; ++i)
        ASSERT_EQ(state->inputWave[i], model::input2Sample(*replay, 0, kTa2));
}

TEST(BlockViewInput, ReadsOnlyItsOwnTemperatureField) {
    auto state = freshState();
    EXPECT_NO_THROW(press(Block::Antenna, textsWith(&FieldTexts::txtT2, "x"), *state));
    EXPECT_NO_THROW(press(Block::NoiseEquivalent, textsWith(&FieldTexts::txtT1, "x"), *state));
}

// --- switch -------------------------------------------------------------------------

TEST(BlockViewSwitch, DrawsTheSwitchRecordFromGenerator1) {
    auto state = freshState();
    auto replay = copyOf(*state);
    const auto curve = segments(press(Block::Switch, defaultTexts(), *state).canvas);
    for (int i = 1; i <= kSamples; ++i) {
        const double ta = firstInputAt(i) ? kTa1 : kTa2;
        const double expected = model::nextNoise1(*replay) * ta;
        ASSERT_EQ(state->switchWave[i], expected) << i;
        ASSERT_EQ(curve[i - 1].y1, static_cast<float>(expected)) << i;
    }
}

// --- UHF amplifier and detector ------------------------------------------------------

TEST(BlockViewUhf, DefaultsAmplifyBy3Point6) {
    auto state = freshState();
    auto replay = copyOf(*state);
    const auto curve = segments(press(Block::Uhf, defaultTexts(), *state).canvas);
    for (int i = 1; i <= kSamples; ++i) {
        const double input = model::nextNoise1(*replay) * (firstInputAt(i) ? kTa1 : kTa2);
        const double xi1 = model::nextNoise1(*replay);
        model::nextNoise2(*replay); // drawn even though ΔKp/Kp = 0
        const double expected = 3.6 * (input + 100 * xi1);
        ASSERT_EQ(state->switchWave[i], input) << i;
        ASSERT_NEAR(state->uhfWave[i], expected, 1e-12 * (std::fabs(expected) + 1)) << i;
        ASSERT_EQ(curve[i - 1].y1, static_cast<float>(state->uhfWave[i])) << i;
    }
    EXPECT_EQ(state->lastNoise2, replay->lastNoise2);
}

TEST(BlockViewDetector, StartPointIsAFreshSampleOfTheSecondInput) {
    auto state = freshState();
    auto replay = copyOf(*state);
    const Recorded recorded = press(Block::Detector, defaultTexts(), *state);
    const double start = model::input2Sample(*replay, 0, kTa2);
    EXPECT_EQ(recorded.canvas.calls()[3].y1, static_cast<float>(start));
    const auto curve = segments(recorded.canvas);
    for (int i = 1; i <= kSamples; ++i) {
        ASSERT_EQ(state->detectorWave[i], state->uhfWave[i] * state->uhfWave[i] + 200) << i;
        ASSERT_GE(curve[i - 1].y1, 200.0f) << i;
    }
}

TEST(BlockViewUhf, ZeroGainOrBandwidthFlattensTheAmplifierAndTheDetector) {
    for (auto field : {&FieldTexts::txtKp, &FieldTexts::txtdeltaf}) {
        auto uhf = freshState();
        for (const Call& call : segments(press(Block::Uhf, textsWith(field, "0"), *uhf).canvas))
            ASSERT_EQ(call.y1, 0.0f);
        auto detector = freshState();
        const auto curve =
            segments(press(Block::Detector, textsWith(field, "0"), *detector).canvas);
        ASSERT_EQ(curve.size(), static_cast<std::size_t>(kSamples));
        for (int i = 1; i <= kSamples; ++i) {
            ASSERT_EQ(detector->detectorWave[i], 200.0) << i;
            ASSERT_EQ(curve[i - 1].y1, 200.0f) << i;
        }
    }
}

TEST(BlockViewUhf, OffScaleCurveIsDrawnAsUsual) {
    auto state = freshState();
    const auto curve =
        segments(press(Block::Uhf, textsWith(&FieldTexts::txtKp, "100"), *state).canvas);
    ASSERT_EQ(curve.size(), static_cast<std::size_t>(kSamples));
    int offScale = 0;
    for (const Call& call : curve)
        offScale += std::fabs(call.y1) > 1500 ? 1 : 0;
    EXPECT_GT(offScale, 1000);
}

TEST(BlockViewUhf, FiniteSamplesBeyondTheCanvasRangeAreDrawnAtItsEdge) {
    // Kp = 1e300 keeps every amplifier sample finite as a double, but far beyond what a
    // 32-bit coordinate holds.
    auto state = freshState();
    const auto curve =
        segments(press(Block::Uhf, textsWith(&FieldTexts::txtKp, "1e300"), *state).canvas);
    ASSERT_EQ(curve.size(), static_cast<std::size_t>(kSamples));
    const float largest = std::numeric_limits<float>::max();
    for (int i = 1; i <= kSamples; ++i) {
        ASSERT_TRUE(std::isfinite(state->uhfWave[i]));
        ASSERT_EQ(curve[i - 1].y1, state->uhfWave[i] > 0 ? largest : -largest) << i;
    }
}

// --- single-section filter ----------------------------------------------------------

TEST(BlockViewFilter1, FirstSegmentFromTheStartPointToZero) {
    auto state = freshState();
    const Recorded recorded = press(Block::Filter1, defaultTexts(), *state);
    const auto& calls = recorded.canvas.calls();
    EXPECT_EQ(calls[3].x1, 0.0f);
    EXPECT_EQ(calls[3].y1, 5000.0f);
    EXPECT_EQ(calls[4].x1, 1.0f);
    EXPECT_EQ(calls[4].y1, 0.0f);
    const double a = model::filter1Coefficient(9500);
    for (int i = 1; i <= kSamples; ++i) {
        ASSERT_EQ(state->filter1Wave[i + 1],
                  (1 - a) * state->filter1Wave[i] + a * state->detectorWave[i]);
        ASSERT_EQ(calls[kOpeningCalls + i - 1].y1, static_cast<float>(state->filter1Wave[i]));
    }
}

TEST(BlockViewFilter1, ZeroCutOffKeepsThePointsOnTheReferenceLine) {
    for (const Block block : {Block::Filter1, Block::Capacitor}) {
        auto state = freshState();
        const auto curve =
            segments(press(block, textsWith(&FieldTexts::txtF11, "0"), *state).canvas);
        ASSERT_EQ(curve.size(), static_cast<std::size_t>(kSamples));
        for (const Call& call : curve)
            ASSERT_EQ(call.y1, 0.0f);
    }
}

// --- coupling capacitor -------------------------------------------------------------

double filter1Sum(const ReceiverState& state) {
    double sum = 0;
    for (int i = 1; i <= kSamples; ++i)
        sum += state.filter1Wave[i];
    return sum;
}

TEST(BlockViewCapacitor, FirstSegmentEndsAtMinusTheRecordMean) {
    auto state = freshState();
    const auto curve = segments(press(Block::Capacitor, defaultTexts(), *state).canvas);
    const double sum = filter1Sum(*state);
    EXPECT_EQ(state->filter1Wave[1], 0.0);
    EXPECT_EQ(state->capacitorWave[1], -sum / 10000);
    EXPECT_EQ(curve[0].x1, 1.0f);
    EXPECT_EQ(curve[0].y1, static_cast<float>(-sum / 10000));
    for (int i = 1; i <= kSamples; ++i)
        ASSERT_EQ(curve[i - 1].y1, static_cast<float>(state->filter1Wave[i] - sum / 10000));
}

TEST(BlockViewCapacitor, RecordHasZeroMean) {
    auto state = freshState();
    press(Block::Capacitor, defaultTexts(), *state);
    double sum = 0;
    for (int i = 1; i <= kSamples; ++i)
        sum += state->capacitorWave[i];
    // filter1Sum is about 2·10⁹; 10⁴ additions at that magnitude leave at most about
    // 10⁴·2⁻²² of rounding in it, and so about 10⁻⁶ in the mean.
    EXPECT_NEAR(sum / kSamples, 0.0, 1e-4);
}

// --- two-section filter -------------------------------------------------------------

TEST(BlockViewFilter2, FirstSegmentsUseTheOneTermInput) {
    auto state = freshState();
    const Recorded recorded = press(Block::Filter2, defaultTexts(), *state);
    const auto& calls = recorded.canvas.calls();
    EXPECT_EQ(calls[3].y1, 5000.0f);
    const auto curve = segments(recorded.canvas);
    const double b = model::filter2Coefficient(7000);
    EXPECT_EQ(curve[0].x1, 1.0f);
    EXPECT_EQ(curve[0].y1, 0.0f);
    EXPECT_EQ(curve[1].x1, 2.0f);
    EXPECT_EQ(curve[1].y1, 0.0f);
    EXPECT_EQ(curve[2].x1, 3.0f);
    EXPECT_EQ(curve[2].y1, static_cast<float>(b * state->capacitorWave[1]));
    // Throughout the record the input term is b·capacitorWave[i] alone.
    const double feedback = model::filter2Feedback(b);
    for (int i = 1; i <= kSamples - 2; ++i)
        ASSERT_EQ(state->filter2Wave[i + 2],
                  feedback * state->filter2Wave[i + 1] + b * (state->capacitorWave[i] + 0.0))
            << i;
}

TEST(BlockViewFilter2, ZeroCutOffKeepsThePointsOnTheReferenceLine) {
    auto state = freshState();
    const auto curve =
        segments(press(Block::Filter2, textsWith(&FieldTexts::txtF22, "0"), *state).canvas);
    ASSERT_EQ(curve.size(), static_cast<std::size_t>(kSamples));
    for (const Call& call : curve)
        ASSERT_EQ(call.y1, 0.0f);
}

TEST(BlockViewFilter2, DoesNotDependOnWhatTheCapacitorViewLeft) {
    auto used = freshState();
    press(Block::Capacitor, defaultTexts(), *used);
    used->capacitorWave[10001] = 7e9; // feeds only filter2Wave[10002], never drawn
    // A clean state at the same point of the noise stream.
    auto clean = freshState();
    clean->uniform = used->uniform;
    clean->lastNoise1 = used->lastNoise1;
    clean->lastNoise2 = used->lastNoise2;

    const Recorded afterCapacitor = press(Block::Filter2, defaultTexts(), *used);
    const Recorded alone = press(Block::Filter2, defaultTexts(), *clean);
    EXPECT_TRUE(sameCalls(afterCapacitor.canvas, alone.canvas));
    EXPECT_TRUE(sameTexts(afterCapacitor.texts, alone.texts));
}

TEST(BlockViewFilter2, ClearsTheChainBeforeThePasses) {
    auto state = freshState();
    for (int i = 0; i <= model::kChainWaveLast; ++i)
        state->adcWave[i] = 9;
    press(Block::Filter2, defaultTexts(), *state);
    EXPECT_EQ(state->adcWave[0], 9.0);
    for (int i = 1; i <= kSamples; ++i)
        ASSERT_EQ(state->adcWave[i], 0.0);
    EXPECT_EQ(state->adcWave[10001], 9.0);
}

// --- ADC ----------------------------------------------------------------------------

double adcRange(const ReceiverState& state) {
    double largest = 0;
    double smallest = 0;
    for (int i = 1; i <= kSamples; ++i) {
        largest = std::max(largest, state.filter2Wave[i]);
        smallest = std::min(smallest, state.filter2Wave[i]);
    }
    return largest - smallest;
}

TEST(BlockViewAdc, FirstSegmentsAndTheDefaultQuantisation) {
    auto state = freshState();
    const Recorded recorded = press(Block::Adc, defaultTexts(), *state);
    EXPECT_EQ(recorded.canvas.calls()[3].y1, 5000.0f);
    const auto curve = segments(recorded.canvas);
    EXPECT_EQ(curve[0].y1, 0.0f);
    EXPECT_EQ(curve[1].y1, 0.0f);
    const double range = adcRange(*state);
    EXPECT_GT(range, 0);
    for (int i = 1; i <= kSamples; ++i) {
        const double expected = std::floor(4096 * (state->filter2Wave[i] / range)) / 4096 * range;
        ASSERT_EQ(state->adcWave[i], expected) << i;
        ASSERT_EQ(curve[i - 1].y1, static_cast<float>(expected)) << i;
    }
}

TEST(BlockViewAdc, ZeroWordLengthHasOneStepOfTheWholeRange) {
    auto state = freshState();
    press(Block::Adc, textsWith(&FieldTexts::txtn, "0"), *state);
    const double range = adcRange(*state);
    int negative = 0;
    for (int i = 1; i <= kSamples; ++i) {
        const double x = state->filter2Wave[i];
        const double expected = x < 0 ? -range : (x >= range ? range : 0.0);
        negative += x < 0 ? 1 : 0;
        ASSERT_EQ(state->adcWave[i], expected) << i;
    }
    EXPECT_GT(negative, 1000);
}

TEST(BlockViewAdc, FractionalWordLength) {
    auto state = freshState();
    press(Block::Adc, textsWith(&FieldTexts::txtn, "12,5"), *state);
    const double range = adcRange(*state);
    const double levels = std::pow(2.0, 12.5);
    EXPECT_NEAR(levels, 5792.6, 0.05);
    const double step = range / levels;
    for (int i = 1; i <= kSamples; ++i) {
        const double x = state->filter2Wave[i];
        ASSERT_EQ(state->adcWave[i], std::floor(levels * (x / range)) / levels * range) << i;
        const double below = x - state->adcWave[i]; // rounded down by less than a step
        ASSERT_GE(below, -1e-9 * step) << i;
        ASSERT_LT(below, step * (1 + 1e-9)) << i;
    }
}

TEST(BlockViewAdc, LargeWordLengthFollowsTheTwoSectionFilter) {
    auto state = freshState();
    press(Block::Adc, textsWith(&FieldTexts::txtn, "30"), *state);
    const double step = adcRange(*state) / std::pow(2.0, 30);
    EXPECT_LT(step, 1e-3);
    for (int i = 1; i <= kSamples; ++i) {
        const double below = state->filter2Wave[i] - state->adcWave[i];
        ASSERT_GE(below, -1e-9 * step) << i;
        ASSERT_LT(below, step * (1 + 1e-9)) << i;
    }
}

TEST(BlockViewAdc, SamplingRateChoiceHasNoEffect) {
    auto reference = freshState();
    const Recorded expected = press(Block::Adc, defaultTexts(), *reference);
    for (const int index : {0, 3, 8, -1}) {
        auto state = freshState();
        FieldTexts texts = defaultTexts();
        texts.cboFdIndex = index;
        const Recorded recorded = press(Block::Adc, texts, *state);
        EXPECT_TRUE(sameCalls(recorded.canvas, expected.canvas)) << index;
        EXPECT_TRUE(sameTexts(recorded.texts, expected.texts)) << index;
    }
}

TEST(BlockViewAdc, ZeroRangeNamesBothFilterFields) {
    for (auto field : {&FieldTexts::txtF11, &FieldTexts::txtF22}) {
        auto state = freshState();
        const std::string message = failingPress(Block::Adc, textsWith(field, "0"), *state);
        EXPECT_NE(message.find(std::string("«") + views::caption::kF11 + "»"), std::string::npos)
            << message;
        EXPECT_NE(message.find(std::string("«") + views::caption::kF22 + "»"), std::string::npos)
            << message;
    }
}

// --- noise consumption and repeatability ----------------------------------------------

TEST(BlockViewNoise, UniformsConsumedPerPress) {
    const struct {
        Block block;
        std::uint64_t uniforms;
    } cases[] = {
        {Block::Modulator, 0},
        {Block::Antenna, 2 * 2701},
        {Block::NoiseEquivalent, 2 * 2701},
        {Block::Switch, 2 * 10000},
        {Block::Uhf, 2 * 30000},
        {Block::Detector, 2 * 30001},
        {Block::Filter1, 2 * 30000},
        {Block::Capacitor, 2 * 30000},
        {Block::Filter2, 2 * 30000},
        {Block::Adc, 2 * 30000},
    };
    auto state = freshState();
    for (const auto& c : cases) {
        const std::uint64_t before = state->uniform.position();
        press(c.block, defaultTexts(), *state);
        EXPECT_EQ(state->uniform.position() - before, c.uniforms) << static_cast<int>(c.block);
    }
}

TEST(BlockViewNoise, SamePressesRedrawTheSameCurves) {
    const Block sequence[] = {Block::Antenna,   Block::NoiseEquivalent,
                              Block::Modulator, Block::Switch,
                              Block::Uhf,       Block::Detector,
                              Block::Filter1,   Block::Capacitor,
                              Block::Filter2,   Block::Adc,
                              Block::Uhf,       Block::Adc};
    auto a = freshState();
    auto b = freshState();
    for (const Block block : sequence) {
        const Recorded first = press(block, defaultTexts(), *a);
        const Recorded second = press(block, defaultTexts(), *b);
        EXPECT_TRUE(sameCalls(first.canvas, second.canvas)) << static_cast<int>(block);
        EXPECT_TRUE(sameTexts(first.texts, second.texts)) << static_cast<int>(block);
    }
}

TEST(BlockViewNoise, EachPressDrawsNewNoise) {
    auto state = freshState();
    const Recorded first = press(Block::Uhf, defaultTexts(), *state);
    const Recorded second = press(Block::Uhf, defaultTexts(), *state);
    EXPECT_FALSE(sameCalls(first.canvas, second.canvas));
}

// --- faults -------------------------------------------------------------------------

struct FaultCase {
    Block block;
    std::string FieldTexts::*field;
    const char* text;
    const char* namedField;
};

TEST(BlockViewFaults, NonFiniteRecordIsAPressErrorBeforeAnyDrawing) {
    const FaultCase cases[] = {
        {Block::Filter1, &FieldTexts::txtF11, "1e7", views::caption::kF11},
        {Block::Capacitor, &FieldTexts::txtF11, "1e7", views::caption::kF11},
        {Block::Filter2, &FieldTexts::txtF11, "1e7", views::caption::kF11},
        {Block::Adc, &FieldTexts::txtF11, "1e7", views::caption::kF11},
        {Block::Filter2, &FieldTexts::txtF22, "1e7", views::caption::kF22},
        {Block::Adc, &FieldTexts::txtF22, "1e7", views::caption::kF22},
        {Block::Uhf, &FieldTexts::txtKp, "1e306", views::caption::kKp},
        {Block::Detector, &FieldTexts::txtKp, "1e300", views::caption::kKp},
        {Block::Filter1, &FieldTexts::txtdeltaf, "1e300", views::caption::kDeltaf},
        {Block::Adc, &FieldTexts::txtKp, "1e300", views::caption::kKp},
    };
    for (const FaultCase& c : cases) {
        auto state = freshState();
        const std::string message = failingPress(c.block, textsWith(c.field, c.text), *state);
        EXPECT_NE(message.find(std::string("«") + c.namedField + "»"), std::string::npos)
            << static_cast<int>(c.block) << ": " << message;
    }
}

TEST(BlockViewFaults, FieldsOfLaterBlocksAreNotRead) {
    auto state = freshState();
    FieldTexts texts = defaultTexts();
    texts.txtF11 = texts.txtF22 = texts.txtn = "x";
    EXPECT_NO_THROW(press(Block::Uhf, texts, *state));
    EXPECT_NO_THROW(press(Block::Detector, texts, *state));
    texts.txtF11 = "9500";
    EXPECT_NO_THROW(press(Block::Capacitor, texts, *state));
}

// A target that fills the beam is an extended target: its range is never computed, so a
// bad background, time or bandwidth field does not stop the modulator; a bad height does.
TEST(BlockViewFaults, FilledBeamDoesNotReadTheRangeFields) {
    auto state = freshState();
    FieldTexts texts = defaultTexts(model::Scene::PointTarget);
    texts.txtVisota = "1";
    texts.txtT2 = texts.txtTint = texts.txtdeltaf = "x";
    const views::Press prepared = views::preparePress(Block::Modulator, texts, *state);
    ASSERT_TRUE(prepared.pointTarget.has_value());
    EXPECT_TRUE(prepared.pointTarget->beamFilled);
    EXPECT_EQ(prepared.pointTarget->beamTemperature, 304);

    texts.txtVisota = "5"; // the beam is no longer filled: the range needs those fields
    EXPECT_THROW(views::preparePress(Block::Modulator, texts, *state), views::PressError);
    texts.txtVisota = "0";
    try {
        views::preparePress(Block::Modulator, texts, *state);
        ADD_FAILURE() << "a zero height was accepted";
    } catch (const views::PressError& error) {
        EXPECT_NE(std::string(error.what()).find("Высота полета, км"), std::string::npos)
            << error.what();
    }
}

// --- the numbers the curves show with the defaults ------------------------------------
//
// The generators' samples have spread 0.5·1.00035; the amplifier's output with the
// defaults is 3.6·(input + 100·ξ1), so the mean detector output of an input at Ta is
// 3.6²·0.25·1.00035²·(Ta² + 100²) + 200: 331 475 for Ta1 = 303.6, 65 046 for Ta2 = 100.
// A squared Gaussian has a relative spread of √2 per sample.

double meanOver(const std::vector<Call>& curve, std::initializer_list<std::pair<int, int>> ranges) {
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

Levels settledLevels(Block block, int presses) {
    auto state = freshState();
    Levels levels;
    for (int p = 0; p < presses; ++p) {
        const auto curve = segments(press(block, defaultTexts(), *state).canvas);
        levels.first += meanOver(curve, {{1251, 2500}, {6251, 7500}}) / presses;
        levels.second += meanOver(curve, {{3751, 5000}, {8751, 10000}}) / presses;
    }
    return levels;
}

TEST(BlockViewStatistics, SwitchSpreadFollowsTheInputTemperatures) {
    // About 20 000 samples per input over four presses: the sample spread has a relative
    // standard error of 1/√(2·20 000) = 0.5 %; the bound is four of those.
    auto state = freshState();
    double sum2[2] = {0, 0};
    int count[2] = {0, 0};
    for (int p = 0; p < 4; ++p) {
        const auto curve = segments(press(Block::Switch, defaultTexts(), *state).canvas);
        for (int i = 1; i <= kSamples; ++i) {
            const int input = firstInputAt(i) ? 0 : 1;
            sum2[input] += static_cast<double>(curve[i - 1].y1) * curve[i - 1].y1;
            ++count[input];
        }
    }
    const double expected1 = 0.5 * kGeneratorGain * kTa1; // 151.85
    const double expected2 = 0.5 * kGeneratorGain * kTa2; // 50.02
    EXPECT_NEAR(std::sqrt(sum2[0] / count[0]), expected1, 0.02 * expected1);
    EXPECT_NEAR(std::sqrt(sum2[1] / count[1]), expected2, 0.02 * expected2);
}

TEST(BlockViewStatistics, SingleSectionFilterSettlesOnTheDetectorMeans) {
    // Per press each level averages 2 500 samples, 15 time constants after the switching:
    // a relative standard error of √(2/2500) = 2.8 %, 0.71 % over 16 presses; the bound
    // of 3 % is four of those.
    const Levels levels = settledLevels(Block::Filter1, 16);
    EXPECT_NEAR(levels.first, 331475, 0.03 * 331475);
    EXPECT_NEAR(levels.second, 65046, 0.03 * 65046);
}

// The capacitor's levels are the filter's less the record mean: (331 475·5001 +
// 65 046·4999)/10⁴ = 198 287, less 331 475·τ/10⁴ for the filter's start from rest, plus
// 266 429·τ/10⁴ for the one more fall than rise of the switching (τ = 1/a = 83.8):
// 197 743, leaving +133 732 and −132 697. The level minus the record mean has a standard
// error of 7 440 (first input) and 3 620 (second) per press, 1 860 and 905 over 16; the
// bounds are four of those.
TEST(BlockViewStatistics, CapacitorCentresTheRecord) {
    const Levels levels = settledLevels(Block::Capacitor, 16);
    EXPECT_NEAR(levels.first, 133732, 7500);
    EXPECT_NEAR(levels.second, -132697, 3700);
}

// The two-section filter passes the capacitor's levels with a steady gain of 1/(1 − b),
// 1.0179: +136 127 and −135 074, with standard errors grown in the same proportion.
TEST(BlockViewStatistics, TwoSectionFilterAmplifiesTheCapacitorLevels) {
    const Levels levels = settledLevels(Block::Filter2, 16);
    EXPECT_NEAR(levels.first, 136127, 7650);
    EXPECT_NEAR(levels.second, -135074, 3770);
}

} // namespace
