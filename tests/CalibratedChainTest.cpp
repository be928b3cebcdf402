// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CalibratedChain.h"
#include "CalibratedTestInputs.h"
#include "model/CalibratedStages.h"
#include "model/Fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace {

using model::CalibratedChain;
using model::CalibratedInputs;
using model::Switching;
using testing_support::calibratedDefaults;

// The noise-free reading of a settled period.
double noiseFreeReading(const CalibratedChain& chain) {
    double sumA = 0, sumB = 0;
    for (int q = 0; q < chain.countAll(); ++q)
        (q < chain.countA() ? sumA : sumB) += chain.settledOutput()[chain.positions()[q] - 1];
    return chain.reading(sumA, sumB);
}

TEST(CalibratedChain, TheNoiseFreeReadingIsTheDifferenceForEveryCutoffAndSamplingStep) {
    for (const Switching switching : {Switching::Modulated, Switching::TotalPower})
        for (const double f1 : {300.0, 3000.0, 9500.0, 1e5, 1e6})
            for (const double f2 : {500.0, 7000.0, 2e5})
                for (const int step : {1, 100, 200}) {
                    CalibratedInputs in = calibratedDefaults(switching);
                    in.cutoff1 = f1;
                    in.cutoff2 = f2;
                    in.samplingStep = step;
                    const CalibratedChain chain(in);
                    EXPECT_NEAR(noiseFreeReading(chain), in.ta1 - in.ta2, 1e-6)
                        << "F1 " << f1 << ", F2 " << f2 << ", s " << step;
                }
}

TEST(CalibratedChain, TheSettledStateComesBackAfterEveryPeriod) {
    for (const Switching switching : {Switching::Modulated, Switching::TotalPower})
        for (const double f : {100.0, 9500.0, 1e6}) {
            CalibratedInputs in = calibratedDefaults(switching);
            in.cutoff1 = in.cutoff2 = f;
            const CalibratedChain chain(in);
            std::vector<double> x(model::kSamplesPerPeriod);
            for (int i = 1; i <= model::kSamplesPerPeriod; ++i)
                x[i - 1] = chain.level(chain.inputAt(i));
            model::FilterState state = chain.settledState();
            chain.runPeriod(state, x.data(), nullptr, nullptr, nullptr);
            for (int s = 0; s < model::kFilterStates; ++s)
                EXPECT_NEAR(state[s], chain.settledState()[s],
                            1e-12 * chain.level(chain.inputAt(1)))
                    << "F " << f << ", state " << s;
        }
}

TEST(CalibratedChain, TheCapacitorBlocksTheLevelAndTotalPowerPassesIt) {
    const CalibratedChain modulated(calibratedDefaults());
    double mean = 0;
    for (const double v : modulated.settledOutput())
        mean += v / model::kSamplesPerPeriod;
    EXPECT_NEAR(mean, 0, 1e-9 * modulated.level(model::SwitchInput::First));
    const CalibratedChain totalPower(calibratedDefaults(Switching::TotalPower));
    const double level = totalPower.level(model::SwitchInput::First);
    EXPECT_DOUBLE_EQ(level, 1e-3 * 4 * (303.6 + 100));
    for (const double v : totalPower.settledOutput())
        ASSERT_NEAR(v, level, 1e-12 * level);
}

TEST(CalibratedChain, AnRcSectionIsThreeDecibelsDownAtItsCutoff) {
    for (const double f : {300.0, 9500.0, 1e5}) {
        CalibratedInputs in = calibratedDefaults();
        in.cutoff1 = f;
        const model::FilterCoefficients k = model::filterCoefficients(in);
        const double w = 2 * M_PI * f * model::kSampleSeconds;
        const double gain2 =
            k.take1 * k.take1 / (1 - 2 * k.keep1 * std::cos(w) + k.keep1 * k.keep1);
        EXPECT_NEAR(gain2, 0.5, 0.5 * w) << "F " << f; // the sampling's error is of order ωΔt
    }
}

TEST(CalibratedChain, TheConverterReadsEachLevelAtItsMiddleAndSaturates) {
    const model::AdcScale adc{-1, 0.25, 4, 8};
    struct Case {
        double in, out;
    };
    for (const Case c : {Case{-5, -0.875}, Case{-1, -0.875}, Case{-0.75, -0.625}, Case{0, 0.125},
                         Case{-1e-9, -0.125}, Case{0.99, 0.875}, Case{10, 0.875}})
        EXPECT_DOUBLE_EQ(model::calibratedAdcOutput(c.in, adc), c.out) << c.in;
    EXPECT_EQ(model::calibratedAdcOutput(3, model::AdcScale{0, 0, 0, 8}), 0.0);
}

TEST(CalibratedChain, AShortWordShowsItsFewLevels) {
    for (const int n : {1, 2, 3, 12}) {
        CalibratedInputs in = calibratedDefaults();
        in.wordLength = n;
        const CalibratedChain chain(in);
        EXPECT_DOUBLE_EQ(chain.adc().levels, std::ldexp(1.0, n));
        EXPECT_DOUBLE_EQ(chain.adc().low, -chain.adc().step * chain.adc().levels / 2);
        const model::CalibratedStages stages =
            model::calibratedStages(chain, model::kNoiseSeed, 0, 1);
        const std::set<double> levels(stages.adc.begin() + 1, stages.adc.end());
        EXPECT_LE(levels.size(), std::size_t(1) << n) << "n " << n;
        if (n <= 3) {
            EXPECT_GE(levels.size(), std::size_t(2)) << "n " << n;
        } else
            EXPECT_GE(levels.size(), 500u) << "n " << n;
    }
}

TEST(CalibratedChain, TheDetectorsNoiseAtTheSecondFilterIsAsComputed) {
    // Total power, so that the level is flat: the spread about it over 16 periods
    // (about 400 filter memories: ±3 standard errors of 15 %) against the formula.
    CalibratedInputs in = calibratedDefaults(Switching::TotalPower);
    const CalibratedChain chain(in);
    const model::CalibratedStages stages = model::calibratedStages(chain, model::kNoiseSeed, 0, 16);
    const double level = chain.level(model::SwitchInput::First);
    double squares = 0;
    for (int i = 1; i <= stages.samples(); ++i)
        squares += (stages.filter2[i] - level) * (stages.filter2[i] - level);
    EXPECT_NEAR(std::sqrt(squares / stages.samples()) / chain.noiseAtFilter2(), 1, 0.15);
}

TEST(CalibratedChain, FiltersThatPassNothingAreRefusedNamingTheCutoffs) {
    CalibratedInputs in = calibratedDefaults();
    in.cutoff1 = 1e-300;
    try {
        const CalibratedChain chain(in);
        ADD_FAILURE() << "accepted";
    } catch (const model::ModelError& error) {
        EXPECT_EQ(error.fault().kind, model::FaultKind::ZeroAdcRange);
        EXPECT_EQ(
            error.fault().quantities,
            (std::vector<model::Quantity>{model::Quantity::Cutoff1, model::Quantity::Cutoff2}));
    }
}

} // namespace
