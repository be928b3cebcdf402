// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The noise each block view takes and its repeatability; the faults a view reports
// before it draws anything, and the fields it does not read.

#include "BlockViewSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace block_view_testing;

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
    Quantity field;
    const char* text;
};

TEST(BlockViewFaults, NonFiniteRecordIsAPressErrorBeforeAnyDrawing) {
    const FaultCase cases[] = {
        {Block::Filter1, Quantity::Cutoff1, "1e7"},
        {Block::Capacitor, Quantity::Cutoff1, "1e7"},
        {Block::Filter2, Quantity::Cutoff1, "1e7"},
        {Block::Adc, Quantity::Cutoff1, "1e7"},
        {Block::Filter2, Quantity::Cutoff2, "1e7"},
        {Block::Adc, Quantity::Cutoff2, "1e7"},
        {Block::Uhf, Quantity::Gain, "1e306"},
        {Block::Detector, Quantity::Gain, "1e300"},
        {Block::Filter1, Quantity::Bandwidth, "1e300"},
        {Block::Adc, Quantity::Gain, "1e300"},
    };
    for (const FaultCase& c : cases) {
        auto state = freshState();
        const std::string message = failingPress(c.block, textsWith(c.field, c.text), *state);
        EXPECT_NE(message.find("«" + caption(c.field) + "»"), std::string::npos)
            << static_cast<int>(c.block) << ": " << message;
    }
}

TEST(BlockViewFaults, FieldsOfLaterBlocksAreNotRead) {
    auto state = freshState();
    FieldTexts texts = defaultTexts();
    texts[Quantity::Cutoff1] = texts[Quantity::Cutoff2] = texts[Quantity::WordLength] = "x";
    EXPECT_NO_THROW(press(Block::Uhf, texts, *state));
    EXPECT_NO_THROW(press(Block::Detector, texts, *state));
    texts[Quantity::Cutoff1] = "9500";
    EXPECT_NO_THROW(press(Block::Capacitor, texts, *state));
}

// A target that fills the beam is an extended target: its range is never computed, so a
// bad background, time or bandwidth field does not stop the modulator; a bad height does.
TEST(BlockViewFaults, FilledBeamDoesNotReadTheRangeFields) {
    auto state = freshState();
    FieldTexts texts = defaultTexts(model::Scene::PointTarget);
    texts[Quantity::FlightHeight] = "1";
    texts[Quantity::Temperature2] = texts[Quantity::Accumulation] = texts[Quantity::Bandwidth] =
        "x";
    const views::Press prepared = views::preparePress(Block::Modulator, texts, *state);
    ASSERT_TRUE(prepared.pointTarget.has_value());
    EXPECT_TRUE(prepared.pointTarget->beam.filled);
    EXPECT_EQ(prepared.pointTarget->beamTemperature, 304);

    texts[Quantity::FlightHeight] =
        "5"; // the beam is no longer filled: the range needs those fields
    EXPECT_THROW(views::preparePress(Block::Modulator, texts, *state), views::PressError);
    texts[Quantity::FlightHeight] = "0";
    try {
        views::preparePress(Block::Modulator, texts, *state);
        ADD_FAILURE() << "a zero height was accepted";
    } catch (const views::PressError& error) {
        EXPECT_NE(std::string(error.what()).find("Высота полета, км"), std::string::npos)
            << error.what();
    }
}

} // namespace
