// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture every block view draws: its scale, magenta reference line, start point and
// segments, the colours of the two objects, the labels it writes, and the modulator.

#include "BlockViewSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace block_view_testing;

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
    std::optional<std::string> ta1, ta2;
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
        EXPECT_EQ(texts.get(Result::ta1), c.ta1) << static_cast<int>(c.block);
        EXPECT_EQ(texts.get(Result::ta2), c.ta2) << static_cast<int>(c.block);
        // Ta1 first, then Ta2, and nothing else.
        EXPECT_EQ(texts.items.size(), (c.ta1 ? 1u : 0u) + (c.ta2 ? 1u : 0u));
        if (c.ta1 && c.ta2) {
            EXPECT_EQ(texts.items.front().result, Result::ta1);
        }
    }
}

TEST(BlockViewLabels, DecimalSeparatorOfTheWindow) {
    auto state = freshState();
    const views::Press prepared = views::preparePress(Block::Uhf, defaultTexts(), *state);
    RecordingCanvas canvas;
    const views::ResultTexts texts = views::runPress(prepared, *state, canvas, '.');
    EXPECT_EQ(texts.get(Result::ta1), "Ta1=303.6");
    EXPECT_EQ(texts.get(Result::ta2), "Ta2=100");
}

TEST(BlockViewLabels, PointTargetSceneUsesTheBeamTemperature) {
    auto state = freshState();
    const views::ResultTexts texts =
        press(Block::Switch, defaultTexts(model::Scene::PointTarget), *state).texts;
    EXPECT_EQ(texts.get(Result::ta1), "Ta1=217,92");
    EXPECT_EQ(texts.get(Result::ta2), "Ta2=120");
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
    for (std::string& text : garbage.texts)
        text = "абв 1,2,3";
    garbage.scene = model::Scene::ExtendedTarget;
    garbage.samplingRateIndex = -7;
    auto a = freshState();
    auto b = freshState();
    const Recorded withDefaults = press(Block::Modulator, defaultTexts(), *a);
    const Recorded withGarbage = press(Block::Modulator, garbage, *b);
    EXPECT_TRUE(sameCalls(withDefaults.canvas, withGarbage.canvas));
    EXPECT_TRUE(sameTexts(withDefaults.texts, withGarbage.texts));
}

} // namespace
