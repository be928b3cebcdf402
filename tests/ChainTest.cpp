// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The per-sample steps of the receiver chain, one block at a time: the switch's phase
// rule, the amplifier's arithmetic and noise order, the detector, both filters, the
// coupling capacitor and the ADC's quantisation with its exact floor.

#include "model/Chain.h"
#include "model/Temperatures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace {

using model::SwitchInput;

std::unique_ptr<model::ReceiverState> freshState() {
    auto state = std::make_unique<model::ReceiverState>();
    model::applyStartupDefaults(*state);
    return state;
}

// --- antenna switch -----------------------------------------------------------------

TEST(ChainSwitchPhase, FirstInputThenSecondOverTwoPeriods) {
    std::int16_t phase = 0;
    std::vector<SwitchInput> connected(model::kViewSamples + 1);
    for (int i = 1; i <= model::kViewSamples; ++i)
        connected[i] = model::advanceSwitchPhase(phase);

    struct Run {
        int from, to;
        SwitchInput input;
    };
    const Run runs[] = {{1, 2500, SwitchInput::First},
                        {2501, 5000, SwitchInput::Second},
                        {5001, 7501, SwitchInput::First},
                        {7502, 10000, SwitchInput::Second}};
    for (const Run& run : runs)
        for (int i = run.from; i <= run.to; ++i)
            ASSERT_EQ(connected[i], run.input) << "sample " << i;
}

TEST(ChainSwitchPhase, CounterGoesBackToZeroPastTheEndOfThePeriod) {
    std::int16_t phase = 5000;
    EXPECT_EQ(model::advanceSwitchPhase(phase), SwitchInput::First);
    EXPECT_EQ(phase, 0); // not raised again for this sample
    EXPECT_EQ(model::advanceSwitchPhase(phase), SwitchInput::First);
    EXPECT_EQ(phase, 1);
    phase = 2500;
    EXPECT_EQ(model::advanceSwitchPhase(phase), SwitchInput::Second);
    EXPECT_EQ(phase, 2501);
}

TEST(ChainSwitchStep, TakesOneSampleOfTheConnectedInputFromGenerator1) {
    auto state = freshState();
    auto replay = std::make_unique<model::ReceiverState>(*state);
    const model::InputTemperatures temperatures{303.6, 100};
    std::int16_t phase = 0;
    for (int i = 1; i <= 5001; ++i) {
        const SwitchInput input = model::switchStep(*state, i, phase, temperatures);
        const double ta = input == SwitchInput::First ? 303.6 : 100;
        const double expected = model::nextNoise1(*replay) * ta;
        ASSERT_EQ(state->switchWave[i], expected) << i;
        ASSERT_EQ(state->lastNoise1, replay->lastNoise1);
    }
    EXPECT_EQ(state->uniform.position(), 2u * 5001u);
    EXPECT_EQ(state->lastNoise2, 0.0); // generator 2 untouched
}

// --- UHF amplifier ------------------------------------------------------------------

TEST(ChainUhfOutput, DefaultsGiveAGainOf3Point6) {
    const model::AmplifierSettings defaults{100, 900, 4, 0};
    for (const double input : {-700.0, -1.5, 0.0, 42.0, 303.6}) {
        for (const double xi1 : {-2.0, 0.0, 0.37, 1.9}) {
            const double expected = 3.6 * (input + 100 * xi1);
            EXPECT_NEAR(model::uhfOutput(input, xi1, 0.8, defaults), expected,
                        1e-13 * (std::fabs(expected) + 1));
        }
    }
}

TEST(ChainUhfOutput, GroupedAsTheCircuitComputesIt) {
    const model::AmplifierSettings amp{123.4, 876.5, 3.3, 2.5};
    const double input = 17.25;
    const double xi1 = -0.61;
    const double xi2 = 1.37;
    const double a = 123.4 * xi1 + input;
    const double b = 876.5 * a;
    const double c = 3.3 * b * 0.001;
    EXPECT_EQ(model::uhfOutput(input, xi1, xi2, amp), (2.5 * 0.01 * xi2 + 1) * c);
}

TEST(ChainUhfOutput, ZeroInstabilityLeavesTheGainExactlyAlone) {
    const model::AmplifierSettings amp{100, 900, 4, 0};
    const double c = 4 * (900 * (100 * 0.3 + 12.0)) * 0.001;
    EXPECT_EQ(model::uhfOutput(12.0, 0.3, 2.7, amp), c);
}

TEST(ChainUhfOutput, ZeroGainOrBandwidthIsFlat) {
    EXPECT_EQ(model::uhfOutput(300, 1.2, 0.4, {100, 900, 0, 5}), 0.0);
    EXPECT_EQ(model::uhfOutput(300, 1.2, 0.4, {100, 0, 4, 5}), 0.0);
}

TEST(ChainUhfStep, ReceiverNoiseFromGenerator1ThenInstabilityFromGenerator2) {
    auto state = freshState();
    auto replay = std::make_unique<model::ReceiverState>(*state);
    const model::AmplifierSettings amp{100, 900, 4, 10};
    state->switchWave[7] = 55.5;
    model::uhfStep(*state, 7, amp);
    const double xi1 = model::nextNoise1(*replay);
    const double xi2 = model::nextNoise2(*replay);
    EXPECT_EQ(state->uhfWave[7], model::uhfOutput(55.5, xi1, xi2, amp));
    EXPECT_EQ(state->lastNoise1, replay->lastNoise1);
    EXPECT_EQ(state->lastNoise2, replay->lastNoise2);
    EXPECT_EQ(state->uniform.position(), 4u); // two draws, two uniforms each
}

// --- square-law detector ------------------------------------------------------------

TEST(ChainDetectorOutput, SquarePlusTheFixedOffset) {
    EXPECT_EQ(model::detectorOutput(0), 200.0);
    EXPECT_EQ(model::detectorOutput(1500), 2250200.0);
    EXPECT_EQ(model::detectorOutput(-1500), 2250200.0);
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> amplitude(-5000, 5000);
    for (int k = 0; k < 1000; ++k) {
        const double x = amplitude(random);
        // The exact square, rounded once; the library's pow may be half a unit off.
        ASSERT_EQ(model::detectorOutput(x), x * x + 200) << x;
        ASSERT_DOUBLE_EQ(model::detectorOutput(x), std::pow(x, 2.0) + 200) << x;
    }
}

TEST(ChainDetectorStep, ReadsTheAmplifierSample) {
    auto state = freshState();
    state->uhfWave[3] = -12;
    model::detectorStep(*state, 3);
    EXPECT_EQ(state->detectorWave[3], 344.0);
}

TEST(ChainDetectorOutput, HugeAmplifierOutputOverflows) {
    EXPECT_TRUE(std::isinf(model::detectorOutput(1e200)));
}

TEST(ChainSummatorDetectorOutput, MagnitudePlusTheOffset) {
    EXPECT_EQ(model::summatorDetectorOutput(-3), 203.0);
    EXPECT_EQ(model::summatorDetectorOutput(3), 203.0);
}

// --- single-section filter ----------------------------------------------------------

TEST(ChainFilter1Coefficient, ForwardEulerAtTwoTenthsOfAMicrosecond) {
    EXPECT_EQ(model::filter1Coefficient(9500), 9500 * ((1e-7 * 4) * 3.1415926));
    EXPECT_NEAR(model::filter1Coefficient(9500), 0.01193805188, 1e-11);
    EXPECT_NEAR(model::filter1Coefficient(795775), 1.0, 1e-6);
    EXPECT_EQ(model::filter1Coefficient(0), 0.0);
}

TEST(ChainFilter1Step, FirstOrderRecursion) {
    auto state = freshState();
    const double a = 0.25;
    state->filter1Wave[4] = 100;
    state->detectorWave[4] = 500;
    model::filter1Step(*state, 4, a);
    EXPECT_EQ(state->filter1Wave[5], 0.75 * 100 + 0.25 * 500);
}

TEST(ChainFilter1Step, UnitCoefficientDelaysTheDetectorByOneSample) {
    auto state = freshState();
    for (int i = 1; i <= 20; ++i) {
        state->detectorWave[i] = 1000.0 + 37 * i;
        model::filter1Step(*state, i, 1.0);
        EXPECT_EQ(state->filter1Wave[i + 1], state->detectorWave[i]);
    }
}

TEST(ChainFilter1Step, ZeroCutOffStaysAtRest) {
    auto state = freshState();
    for (int i = 1; i <= 100; ++i) {
        state->detectorWave[i] = 3e5;
        model::filter1Step(*state, i, model::filter1Coefficient(0));
        ASSERT_EQ(state->filter1Wave[i + 1], 0.0);
    }
}

// --- coupling capacitor -------------------------------------------------------------

TEST(ChainCapacitorStep, RemovesTheRecordMean) {
    auto state = freshState();
    state->filter1Wave[9] = 250000;
    model::capacitorStep(*state, 9, 1.98e9, 10000);
    EXPECT_EQ(state->capacitorWave[9], 250000 - 1.98e9 / 10000);
    EXPECT_EQ(model::capacitorOutput(0, 5e8, 10000), -50000.0);
}

// --- two-section filter -------------------------------------------------------------

TEST(ChainFilter2Coefficient, DefaultsAndTheUnitPoint) {
    const double b = model::filter2Coefficient(7000);
    EXPECT_EQ(b, (7000 * (1e-7 * 8)) * 3.1415926);
    EXPECT_NEAR(b, 0.01759291856, 1e-11);
    EXPECT_NEAR(model::filter2Feedback(b), 0.98271659222, 1e-11);
    EXPECT_NEAR(model::filter2Coefficient(397887), 1.0, 1e-5);
    EXPECT_EQ(model::filter2Feedback(0.5), 0.75);
    EXPECT_EQ(model::filter2Coefficient(0), 0.0);
}

TEST(ChainFilter2Step, OneOutputAheadAndBothCapacitorTerms) {
    auto state = freshState();
    const double b = 0.125;
    state->filter2Wave[5] = 1000;
    state->filter2Wave[4] = 1e9; // two places behind: takes no part
    state->capacitorWave[4] = 64;
    state->capacitorWave[5] = 8;
    model::filter2Step(*state, 4, b);
    EXPECT_EQ(state->filter2Wave[6], (1 - b + b * b) * 1000 + b * (64 + 8));
}

TEST(ChainFilter2Step, SteadyStateGainWithTheOneTermInput) {
    // Fed x at capacitorWave[i] with capacitorWave[i + 1] still 0, the output settles at
    // b·x / (b − b²) = x / (1 − b).
    auto state = freshState();
    const double b = model::filter2Coefficient(7000);
    for (int i = 1; i <= 5000; ++i) {
        state->capacitorWave[i] = 1000;
        model::filter2Step(*state, i, b);
    }
    EXPECT_NEAR(state->filter2Wave[5002], 1000 / (1 - b), 1e-6);
    EXPECT_NEAR(1 / (1 - b), 1.018, 1e-3);
}

// --- ADC ----------------------------------------------------------------------------

TEST(ChainFloorExact, AgreesWithStdFloorOnEdgeValues) {
    const double two52 = 4503599627370496.0;
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.3,
                                  -0.3,
                                  0.7,
                                  -0.7,
                                  std::numeric_limits<double>::denorm_min(),
                                  -std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::min(),
                                  -std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::max(),
                                  -std::numeric_limits<double>::max(),
                                  inf,
                                  -inf,
                                  std::nextafter(1.0, 0.0),
                                  std::nextafter(-1.0, 0.0),
                                  std::nextafter(1.0, 2.0),
                                  std::nextafter(-1.0, -2.0)};
    for (int k = -40; k <= 40; ++k)
        values.push_back(k + 0.5); // halves: ties of the rounding inside
    for (double base : {two52, 2 * two52, two52 / 2}) {
        double x = base;
        for (int k = 0; k < 8; ++k)
            x = std::nextafter(x, 0.0);
        for (int k = 0; k < 16; ++k) {
            values.push_back(x);
            values.push_back(-x);
            x = std::nextafter(x, inf);
        }
    }
    for (const double x : values) {
        const double expected = std::floor(x);
        const double actual = model::floorExact(x);
        ASSERT_EQ(actual, expected) << std::hexfloat << x;
        ASSERT_EQ(std::signbit(actual), std::signbit(expected)) << std::hexfloat << x;
    }
    EXPECT_TRUE(std::isnan(model::floorExact(std::nan(""))));
}

TEST(ChainFloorExact, AgreesWithStdFloorOnManyValues) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> small(-5000, 5000);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int k = 0; k < 200000; ++k) {
        const double x = small(random);
        ASSERT_EQ(model::floorExact(x), std::floor(x)) << std::hexfloat << x;
    }
    for (int k = 0; k < 200000; ++k) {
        std::uint64_t pattern = bits(random);
        double x;
        static_assert(sizeof x == sizeof pattern);
        std::memcpy(&x, &pattern, sizeof x);
        if (std::isnan(x))
            continue;
        ASSERT_EQ(model::floorExact(x), std::floor(x)) << std::hexfloat << x;
    }
}

// Exact for every whole word length, from the smallest subnormal power to the largest;
// within an ulp of the library's pow for a fractional one (the series is the same bits in
// every build, pow need not be).
TEST(ChainAdcLevels, PowerOfTwoOfTheWordLength) {
    EXPECT_EQ(model::adcLevels(12), 4096.0);
    EXPECT_EQ(model::adcLevels(0), 1.0);
    for (int n = -1074; n <= 1023; ++n)
        ASSERT_EQ(model::adcLevels(n), std::ldexp(1.0, n)) << n;
    std::vector<double> fractional = {
        12.5, 0.5, -3.7, 0.999999, 1022.9, -1022.5, 2.2250738585072014e-308};
    for (int k = 0; k < 20000; ++k)
        fractional.push_back(-1022 + 2044.0 * k / 20000 + 1e-4 * (k % 7));
    for (const double n : fractional) {
        const double exact = std::pow(2.0, n);
        ASSERT_LE(std::fabs(model::adcLevels(n) - exact), std::nextafter(exact, HUGE_VAL) - exact)
            << n;
    }
}

// A fractional word length gives the same bits in every build, pinned here; each is 2ⁿ
// correctly rounded (worked out to 60 digits) or the float next to it.
TEST(ChainAdcLevels, FractionalWordLengthsToTheLastBit) {
    const struct {
        double wordLength;
        double levels;  // what the series gives
        double rounded; // 2ⁿ correctly rounded
    } cases[] = {
        {8.3, 0x1.3b2c47bff832cp+8, 0x1.3b2c47bff832cp+8},
        {12.5, 0x1.6a09e667f3bccp+12, 0x1.6a09e667f3bcdp+12},
        {8.7, 0x1.9fdf8bcce533ap+8, 0x1.9fdf8bcce533ap+8},
        {-3.7, 0x1.3b2c47bff8328p-4, 0x1.3b2c47bff8328p-4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(model::adcLevels(c.wordLength), c.levels)
            << std::hexfloat << c.wordLength << ": " << model::adcLevels(c.wordLength);
        EXPECT_LE(std::fabs(c.levels - c.rounded), std::nextafter(c.rounded, HUGE_VAL) - c.rounded);
    }
}

struct AdcCase {
    double steps; // the sample in quantisation steps
    double level; // the drawn level in steps
};

TEST(ChainAdcOutput, WholeStepsCountedFromZeroRoundedDown) {
    const double range = 262144; // 2^18: a step of exactly 64
    const double levels = model::adcLevels(12);
    const double step = range / levels;
    const AdcCase cases[] = {{0.3, 0},      {-0.3, -1},     {0.7, 0},         {-0.7, -1},
                             {1.0, 1},      {-1.0, -1},     {2.5, 2},         {-2.5, -3},
                             {0, 0},        {4095.5, 4095}, {-4095.5, -4096}, {4096, 4096},
                             {-4096, -4096}};
    for (const AdcCase& c : cases)
        EXPECT_EQ(model::adcOutput(c.steps * step, levels, range), c.level * step)
            << c.steps << " steps";
}

TEST(ChainAdcOutput, ZeroWordLengthHasOneStepOfTheWholeRange) {
    const double range = 1000;
    const double levels = model::adcLevels(0);
    EXPECT_EQ(model::adcOutput(-0.001, levels, range), -1000.0);
    EXPECT_EQ(model::adcOutput(-999, levels, range), -1000.0);
    EXPECT_EQ(model::adcOutput(0, levels, range), 0.0);
    EXPECT_EQ(model::adcOutput(999.9, levels, range), 0.0);
    EXPECT_EQ(model::adcOutput(1000, levels, range), 1000.0);
}

TEST(ChainAdcOutput, MatchesTheFormulaWithStdFloor) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> sample(-1.0, 1.0);
    for (const double n : {0.0, 1.0, 8.0, 12.0, 12.5, 30.0}) {
        const double levels = model::adcLevels(n);
        const double range = 271828.18;
        for (int k = 0; k < 5000; ++k) {
            const double x = sample(random) * range;
            const double q = std::floor(levels * (x / range));
            ASSERT_EQ(model::adcOutput(x, levels, range), q / levels * range) << n << " " << x;
        }
    }
}

TEST(ChainAdcStep, QuantisesTheTwoSectionFilterSample) {
    auto state = freshState();
    state->filter2Wave[10] = -0.3 * 1000.0 / 4096;
    model::adcStep(*state, 10, 4096, 1000);
    EXPECT_EQ(state->adcWave[10], -1 / 4096.0 * 1000);
}

// --- clearing ----------------------------------------------------------------------

TEST(ChainClearing, ZeroesOneToLastOfTheSevenBuffersOnly) {
    auto state = freshState();
    for (int i = 0; i <= model::kChainWaveLast; ++i) {
        state->uhfWave[i] = state->detectorWave[i] = state->filter1Wave[i] = 1.0 + i;
        state->capacitorWave[i] = state->filter2Wave[i] = state->adcWave[i] = -1.0 - i;
    }
    for (int i = 0; i <= model::kSwitchWaveLast; ++i)
        state->switchWave[i] = 7;
    state->inputWave[5] = 3;
    model::clearChain(*state, model::kViewSamples);
    for (const model::ChainWave* wave :
         {&state->uhfWave, &state->detectorWave, &state->filter1Wave, &state->capacitorWave,
          &state->filter2Wave, &state->adcWave}) {
        EXPECT_NE((*wave)[0], 0.0);
        for (int i = 1; i <= model::kViewSamples; ++i)
            ASSERT_EQ((*wave)[i], 0.0) << i;
        EXPECT_NE((*wave)[10001], 0.0);
        EXPECT_NE((*wave)[10002], 0.0);
    }
    EXPECT_EQ(state->switchWave[0], 7.0);
    for (int i = 1; i <= model::kViewSamples; ++i)
        ASSERT_EQ(state->switchWave[i], 0.0);
    EXPECT_EQ(state->inputWave[5], 3.0);
}

} // namespace
