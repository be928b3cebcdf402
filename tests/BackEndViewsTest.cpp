// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The views from the coupling capacitor to the ADC: the record mean, the one-term input
// of the two-section filter, the clearing of the chain, the quantisation, and the levels
// their curves show with the defaults.

#include "BlockViewSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace block_view_testing;

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
        segments(press(Block::Filter2, textsWith(Quantity::Cutoff2, "0"), *state).canvas);
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
    press(Block::Adc, textsWith(Quantity::WordLength, "0"), *state);
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
    press(Block::Adc, textsWith(Quantity::WordLength, "12,5"), *state);
    const double range = adcRange(*state);
    const double levels = model::adcLevels(12.5);
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
    press(Block::Adc, textsWith(Quantity::WordLength, "30"), *state);
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
        texts.samplingRateIndex = index;
        const Recorded recorded = press(Block::Adc, texts, *state);
        EXPECT_TRUE(sameCalls(recorded.canvas, expected.canvas)) << index;
        EXPECT_TRUE(sameTexts(recorded.texts, expected.texts)) << index;
    }
}

TEST(BlockViewAdc, ZeroRangeNamesBothFilterFields) {
    for (auto field : {Quantity::Cutoff1, Quantity::Cutoff2}) {
        auto state = freshState();
        const std::string message = failingPress(Block::Adc, textsWith(field, "0"), *state);
        EXPECT_NE(message.find(std::string("«") + caption(Quantity::Cutoff1) + "»"),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find(std::string("«") + caption(Quantity::Cutoff2) + "»"),
                  std::string::npos)
            << message;
    }
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
