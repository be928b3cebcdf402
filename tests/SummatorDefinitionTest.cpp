// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fast summator against the receiver's description run literally, sample by sample,
// with the model's own steps (switchStep, nextNoise1 and nextNoise2 inside the amplifier,
// the summator's detector, the filters, the capacitor, the converter): every buffer, the
// accumulation buffer, the readings and the converter's range agree bit for bit. Then the
// same numbers from every kernel, every number of threads and every way of cutting the
// periods into runs.

#include "model/Chain.h"
#include "model/ChainNoise.h"
#include "model/Fault.h"
#include "model/Summator.h"
#include "model/Temperatures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace {

using model::ReceiverState;
using model::SummatorSettings;

SummatorSettings settingsFor(int samplingStep) {
    SummatorSettings settings;
    settings.temperatures = {303.6, 100};
    // A gain instability, so that ξ2 matters and ξ1 and ξ2 cannot trade places unseen.
    settings.amplifier = {100, 900, 4, 7.5};
    settings.f1 = 9500;
    settings.f2 = 7000;
    settings.wordLength = 12;
    settings.samplingStep = samplingStep;
    return settings;
}

// A window state that earlier presses have left full of numbers, including the entries
// the summator reads without clearing (capacitorWave[5001]) or never touches.
std::unique_ptr<ReceiverState> usedState() {
    auto state = std::make_unique<ReceiverState>();
    model::applyStartupDefaults(*state);
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> any(-1e5, 1e5);
    for (auto* wave : {&state->uhfWave, &state->detectorWave, &state->filter1Wave,
                       &state->capacitorWave, &state->filter2Wave, &state->adcWave})
        for (double& x : *wave)
            x = any(random);
    for (double& x : state->switchWave)
        x = any(random);
    state->uniform.skip(123456);
    state->lastNoise1 = 0.25;
    state->lastNoise2 = -0.5;
    return state;
}

// One period as the receiver's description gives it.
struct LiteralSummator {
    SummatorSettings settings;
    double f2max = 0;
    double f2min = 0;
    double range = 0;
    std::vector<double> buffer = std::vector<double>(model::kSummatorBufferLast + 1, 0.0);

    double pass(ReceiverState& s) {
        model::clearChain(s, 5000);
        double sumA = 0, sumB = 0, filter1Sum = 0;
        std::int16_t switchPhase = 0;
        const double a = model::filter1Coefficient(settings.f1);
        for (int i = 1; i <= 5000; ++i) {
            model::switchStep(s, i, switchPhase, settings.temperatures);
            model::summatorUhfStep(s, i, settings.amplifier);
            model::summatorDetectorStep(s, i);
            model::filter1Step(s, i, a);
            filter1Sum += s.filter1Wave[i];
        }
        const double b = model::filter2Coefficient(settings.f2);
        for (int i = 1; i <= 5000; ++i) {
            model::capacitorStep(s, i, filter1Sum, 5000);
            model::filter2Step(s, i, b);
            if (f2max < s.filter2Wave[i])
                f2max = s.filter2Wave[i];
            if (f2min > s.filter2Wave[i])
                f2min = s.filter2Wave[i];
        }
        range = f2max - f2min;
        const double levels = model::adcLevels(settings.wordLength);
        for (int i = 1; i <= 5000; ++i)
            model::adcStep(s, i, levels, range);
        int countAll = 0, countA = 0;
        std::int16_t j = 0;
        const int step = settings.samplingStep;
        for (int k = 1; k <= 5000; k += step) {
            j = static_cast<std::int16_t>(j + step);
            if (j >= 500 && j <= 2500) {
                sumA += s.adcWave[k];
                ++countAll;
                buffer[++countA] = s.adcWave[k];
            } else if (j >= 3000 && j <= 5000) {
                sumB += s.adcWave[k];
                ++countAll;
            }
        }
        return 1e-3 * ((sumA - sumB) * 1.85115) * 862.225 / countAll;
    }
};

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

template <class Wave> void expectSameWave(const Wave& fast, const Wave& literal, const char* name) {
    for (std::size_t i = 0; i < fast.size(); ++i)
        ASSERT_TRUE(sameBits(fast[i], literal[i]))
            << name << "[" << i << "]: " << fast[i] << " against " << literal[i];
}

void expectSameState(const ReceiverState& fast, const ReceiverState& literal) {
    expectSameWave(fast.switchWave, literal.switchWave, "switchWave");
    expectSameWave(fast.uhfWave, literal.uhfWave, "uhfWave");
    expectSameWave(fast.detectorWave, literal.detectorWave, "detectorWave");
    expectSameWave(fast.filter1Wave, literal.filter1Wave, "filter1Wave");
    expectSameWave(fast.capacitorWave, literal.capacitorWave, "capacitorWave");
    expectSameWave(fast.filter2Wave, literal.filter2Wave, "filter2Wave");
    expectSameWave(fast.adcWave, literal.adcWave, "adcWave");
    EXPECT_EQ(fast.uniform.position(), literal.uniform.position());
    EXPECT_TRUE(sameBits(fast.lastNoise1, literal.lastNoise1));
    EXPECT_TRUE(sameBits(fast.lastNoise2, literal.lastNoise2));
}

class SummatorDefinition : public ::testing::TestWithParam<int> {};

TEST_P(SummatorDefinition, FastPassesEqualTheDescriptionRunLiterally) {
    const SummatorSettings settings = settingsFor(GetParam());
    auto fastState = usedState();
    auto literalState = std::make_unique<ReceiverState>(*fastState);

    model::Summator summator(settings);
    LiteralSummator literal{settings};
    for (int period = 1; period <= 3; ++period) {
        SCOPED_TRACE(period);
        const double reading = summator.runPass(*fastState);
        const double expected = literal.pass(*literalState);
        EXPECT_TRUE(sameBits(reading, expected)) << reading << " against " << expected;
        EXPECT_TRUE(sameBits(summator.adcRange(), literal.range));
        expectSameState(*fastState, *literalState);
        const int countA = summator.windows().countA();
        for (int i = 1; i <= countA; ++i)
            ASSERT_TRUE(sameBits(summator.buffer()[i], literal.buffer[i])) << i;
    }
}

// Three periods in one run: the same statistics, buffers and range as one at a time.
TEST_P(SummatorDefinition, OneRunOfThreePeriodsEqualsThreeOneByOne) {
    const SummatorSettings settings = settingsFor(GetParam());
    auto together = usedState();
    auto literalState = std::make_unique<ReceiverState>(*together);

    model::Summator summator(settings);
    model::SummatorStatistics statistics;
    summator.run(*together, 3, statistics);

    LiteralSummator literal{settings};
    model::SummatorStatistics expected;
    for (int period = 1; period <= 3; ++period)
        expected.add(literal.pass(*literalState));
    EXPECT_TRUE(sameBits(statistics.sumX, expected.sumX));
    EXPECT_TRUE(sameBits(statistics.sumX2, expected.sumX2));
    EXPECT_EQ(statistics.passes, 3);
    EXPECT_TRUE(sameBits(summator.adcRange(), literal.range));
    expectSameState(*together, *literalState);
}

INSTANTIATE_TEST_SUITE_P(SamplingSteps, SummatorDefinition, ::testing::Values(1, 100, 500));

struct Outcome {
    model::SummatorStatistics statistics;
    std::unique_ptr<ReceiverState> state;
    std::vector<double> buffer;
    double range = 0;
};

Outcome accumulate(const model::PeriodKernel& kernel, int threads,
                   const std::vector<std::int64_t>& runs, int samplingStep = 1) {
    Outcome outcome;
    outcome.state = usedState();
    model::Summator summator(settingsFor(samplingStep), kernel, threads);
    for (const std::int64_t periods : runs)
        summator.run(*outcome.state, periods, outcome.statistics);
    outcome.buffer = summator.buffer();
    outcome.range = summator.adcRange();
    return outcome;
}

void expectSameOutcome(const Outcome& a, const Outcome& b) {
    EXPECT_TRUE(sameBits(a.statistics.sumX, b.statistics.sumX));
    EXPECT_TRUE(sameBits(a.statistics.sumX2, b.statistics.sumX2));
    EXPECT_EQ(a.statistics.passes, b.statistics.passes);
    EXPECT_TRUE(sameBits(a.range, b.range));
    expectSameState(*a.state, *b.state);
    for (std::size_t i = 0; i < a.buffer.size(); ++i)
        ASSERT_TRUE(sameBits(a.buffer[i], b.buffer[i])) << i;
}

// 300 periods cross the summator's chunks and groups; every thread count, every kernel
// the processor runs and every cut into runs gives the numbers of one thread.
TEST(SummatorThreads, AnyNumberOfThreadsGivesTheNumbersOfOne) {
    const model::PeriodKernel& kernel = model::selectedPeriodKernel();
    const Outcome one = accumulate(kernel, 1, {300});
    for (const int threads : {2, 3, 8}) {
        SCOPED_TRACE(threads);
        expectSameOutcome(accumulate(kernel, threads, {300}), one);
    }
}

TEST(SummatorThreads, EveryKernelGivesTheSameNumbers) {
    const Outcome reference = accumulate(model::periodKernels().front(), 2, {37});
    for (const model::PeriodKernel& kernel : model::periodKernels()) {
        if (!kernel.supported)
            continue;
        SCOPED_TRACE(kernel.name);
        expectSameOutcome(accumulate(kernel, 2, {37}), reference);
    }
}

TEST(SummatorThreads, RunsOfAnyLengthContinueTheAccumulation) {
    const model::PeriodKernel& kernel = model::selectedPeriodKernel();
    const Outcome whole = accumulate(kernel, 2, {150}, 100);
    expectSameOutcome(accumulate(kernel, 2, {1, 2, 128, 19}, 100), whole);
    expectSameOutcome(accumulate(kernel, 1, {75, 75}, 100), whole);
}

// A fault stops at the period that meets it, whatever the threads.
TEST(SummatorThreads, ZeroRangeIsReportedByEveryThreadCount) {
    for (const int threads : {1, 2}) {
        SummatorSettings settings = settingsFor(100);
        settings.f2 = 0;
        auto state = usedState();
        model::Summator summator(settings, model::selectedPeriodKernel(), threads);
        model::SummatorStatistics statistics;
        try {
            summator.run(*state, 9, statistics);
            ADD_FAILURE() << "no fault";
        } catch (const model::ModelError& error) {
            EXPECT_EQ(error.fault().kind, model::FaultKind::ZeroAdcRange);
        }
        EXPECT_EQ(statistics.passes, 0);
    }
}

// The detector without a square root gives √(x²) + 200 for every x.
TEST(SummatorDetector, FastFormEqualsTheSquareRootOfTheSquare) {
    const double largest = std::numeric_limits<double>::max();
    const double edge = std::sqrt(largest);
    std::vector<double> values = {
        0.0,    -0.0,    1.0,      -1.0,     1e-300,   -1e-300,
        1e-160, 5e-324,  1e154,    edge,     -edge,    std::nextafter(edge, 1e300),
        1e300,  largest, -largest, HUGE_VAL, -HUGE_VAL};
    std::mt19937_64 random(3);
    for (int k = 0; k < 1000000; ++k) {
        std::uint64_t bits = random();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        values.push_back(x);
    }
    for (const double x : values) {
        const double literal = model::summatorDetectorOutput(x);
        const double fast = model::summatorDetectorFast(x);
        if (std::isnan(literal))
            ASSERT_TRUE(std::isnan(fast)) << x;
        else
            ASSERT_TRUE(sameBits(fast, literal)) << x << ": " << fast << " against " << literal;
    }
}

// The draw order is written once: the block noise of a run of chain samples is what the
// generators give one at a time in that order, and leaves them as they would be.
TEST(ChainNoise, BlockDrawsAreTheGeneratorsOneAtATime) {
    for (const int draws : {model::kSwitchDraws, model::kChainDraws}) {
        SCOPED_TRACE(draws);
        auto block = usedState();
        auto single = std::make_unique<ReceiverState>(*block);
        const std::vector<double> noise = model::drawChainNoise(*block, 1000, draws);
        for (int k = 0; k < 1000; ++k) {
            ASSERT_TRUE(sameBits(noise[draws * k + model::kInputDraw], model::nextNoise1(*single)));
            if (draws == model::kChainDraws) {
                ASSERT_TRUE(
                    sameBits(noise[draws * k + model::kXi1Draw], model::nextNoise1(*single)));
                ASSERT_TRUE(
                    sameBits(noise[draws * k + model::kXi2Draw], model::nextNoise2(*single)));
            }
        }
        EXPECT_EQ(block->uniform.position(), single->uniform.position());
        EXPECT_TRUE(sameBits(block->lastNoise1, single->lastNoise1));
        EXPECT_TRUE(sameBits(block->lastNoise2, single->lastNoise2));
    }
}

} // namespace
