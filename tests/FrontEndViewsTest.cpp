// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The views from the inputs to the single-section filter: the records they keep and
// draw, the noise they take, and the levels their curves show with the defaults.

#include "BlockViewSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace block_view_testing;

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
    EXPECT_NO_THROW(press(Block::Antenna, textsWith(Quantity::Temperature2, "x"), *state));
    EXPECT_NO_THROW(press(Block::NoiseEquivalent, textsWith(Quantity::Temperature1, "x"), *state));
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
    for (auto field : {Quantity::Gain, Quantity::Bandwidth}) {
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
    const auto curve = segments(press(Block::Uhf, textsWith(Quantity::Gain, "100"), *state).canvas);
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
        segments(press(Block::Uhf, textsWith(Quantity::Gain, "1e300"), *state).canvas);
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
        const auto curve = segments(press(block, textsWith(Quantity::Cutoff1, "0"), *state).canvas);
        ASSERT_EQ(curve.size(), static_cast<std::size_t>(kSamples));
        for (const Call& call : curve)
            ASSERT_EQ(call.y1, 0.0f);
    }
}

// --- the numbers the curves show with the defaults ------------------------------------
//
// The generators' samples have spread 0.5·1.00035; the amplifier's output with the
// defaults is 3.6·(input + 100·ξ1), so the mean detector output of an input at Ta is
// 3.6²·0.25·1.00035²·(Ta² + 100²) + 200: 331 475 for Ta1 = 303.6, 65 046 for Ta2 = 100.
// A squared Gaussian has a relative spread of √2 per sample.

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

} // namespace
