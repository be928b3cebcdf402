// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CalibratedSummator.h"
#include "CalibratedTestInputs.h"
#include "model/CalibratedStages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using model::CalibratedInputs;
using model::CalibratedStatistics;
using model::CalibratedSummator;
using model::Switching;
using model::UniformSource;
using testing_support::calibratedDefaults;

constexpr std::uint64_t kPressStart = 123456789; // anywhere in the stream

struct Configuration {
    const char* name;
    CalibratedInputs inputs;
};

// Both switchings, both laws of the detector, a gain drift, a coarse sampling.
std::vector<Configuration> configurations() {
    std::vector<Configuration> all;
    all.push_back({"modulated", calibratedDefaults()});
    all.push_back({"total power", calibratedDefaults(Switching::TotalPower)});
    CalibratedInputs gamma = calibratedDefaults();
    gamma.bandwidth = 20;
    gamma.samplingStep = 100;
    all.push_back({"gamma law", gamma});
    CalibratedInputs drift = calibratedDefaults(Switching::TotalPower);
    drift.gainInstability = 5;
    drift.samplingStep = 200;
    all.push_back({"drift", drift});
    return all;
}

struct PressRecord {
    std::vector<double> readings;
    CalibratedStatistics statistics;
    std::uint64_t streamEnd = 0;
    std::vector<double> lastSummed;
};

// A press of `periods` periods in runs of the given lengths (the last repeated).
PressRecord pressInRuns(const CalibratedInputs& in, std::vector<int> runs, int periods,
                        int threads = 0,
                        const model::NoiseKernel& kernel = model::selectedNoiseKernel()) {
    CalibratedSummator summator(in, kernel, threads);
    UniformSource stream;
    stream.skip(kPressStart);
    PressRecord run;
    for (int done = 0, r = 0; done < periods; ++r) {
        const int now = std::min(runs[std::min<std::size_t>(r, runs.size() - 1)], periods - done);
        summator.run(stream, now, run.statistics, &run.readings);
        done += now;
    }
    run.streamEnd = stream.position();
    run.lastSummed = summator.lastSummed();
    return run;
}

void expectSameBits(const PressRecord& a, const PressRecord& b, const std::string& what) {
    EXPECT_EQ(a.readings, b.readings) << what;
    EXPECT_EQ(a.statistics.mean, b.statistics.mean) << what;
    EXPECT_EQ(a.statistics.squares, b.statistics.squares) << what;
    EXPECT_EQ(a.streamEnd, b.streamEnd) << what;
    EXPECT_EQ(a.lastSummed, b.lastSummed) << what;
}

TEST(CalibratedSummator, ThePressTwiceSplitOrOnAnyThreadsGivesTheSameBits) {
    const int periods = 300; // across the summator's chunks of 128
    for (const Configuration& c : configurations()) {
        const PressRecord whole = pressInRuns(c.inputs, {periods}, periods);
        ASSERT_EQ(whole.readings.size(), std::size_t(periods)) << c.name;
        EXPECT_EQ(whole.streamEnd, kPressStart + periods * model::kCalibratedUniformsPerPeriod);
        expectSameBits(whole, pressInRuns(c.inputs, {periods}, periods),
                       std::string(c.name) + ", again");
        expectSameBits(whole, pressInRuns(c.inputs, {1, 127, 2, 41}, periods),
                       std::string(c.name) + ", split");
        for (const int threads : {1, 3})
            expectSameBits(whole, pressInRuns(c.inputs, {periods}, periods, threads),
                           std::string(c.name) + ", threads " + std::to_string(threads));
    }
}

TEST(CalibratedSummator, EveryNoiseKernelGivesTheSameBits) {
    for (const Configuration& c : configurations()) {
        const PressRecord reference = pressInRuns(c.inputs, {20}, 20);
        for (const model::NoiseKernel& kernel : model::noiseKernels())
            if (kernel.supported)
                expectSameBits(reference, pressInRuns(c.inputs, {20}, 20, 0, kernel),
                               std::string(c.name) + ", " + kernel.name);
    }
}

TEST(CalibratedSummator, PartialsComputedByHelpersAndJoinedInOrderGiveTheSameBits) {
    const int periods = 150;
    for (const Configuration& c : configurations()) {
        const PressRecord whole = pressInRuns(c.inputs, {periods}, periods);
        // Two helpers share each batch of the press; the press joins their partials.
        CalibratedSummator press(c.inputs);
        UniformSource stream;
        stream.skip(kPressStart);
        PressRecord joined;
        for (const int batch : {100, 50}) {
            const int first = batch / 3;
            CalibratedSummator helper1(c.inputs, model::selectedNoiseKernel(), 1);
            CalibratedSummator helper2(c.inputs, model::selectedNoiseKernel(), 1);
            model::CalibratedPartials given =
                helper1.partials(stream.seed(), stream.position(), first);
            const model::CalibratedPartials rest = helper2.partials(
                stream.seed(), stream.position() + first * model::kCalibratedUniformsPerPeriod,
                batch - first);
            given.summed.insert(given.summed.end(), rest.summed.begin(), rest.summed.end());
            given.ends.insert(given.ends.end(), rest.ends.begin(), rest.ends.end());
            ASSERT_EQ(given.periods(), batch);
            press.run(stream, given, joined.statistics, &joined.readings);
        }
        joined.streamEnd = stream.position();
        joined.lastSummed = press.lastSummed();
        expectSameBits(whole, joined, c.name);
    }
}

TEST(CalibratedSummator, TheBlockStagesAreThePressOfTheSummator) {
    for (const Configuration& c : configurations()) {
        CalibratedSummator summator(c.inputs);
        const model::CalibratedChain& chain = summator.chain();
        const model::CalibratedStages stages =
            model::calibratedStages(chain, model::kNoiseSeed, kPressStart, 2);
        ASSERT_EQ(stages.samples(), 10000) << c.name;
        UniformSource stream;
        stream.skip(kPressStart);
        CalibratedStatistics statistics;
        for (int k = 0; k < 2; ++k) {
            summator.run(stream, 1, statistics);
            EXPECT_EQ(1 + summator.gainDrift(), stages.gain[k]) << c.name;
            // The same converter samples, but for the rounding of the superposed filters.
            for (int q = 0; q < chain.countAll(); ++q)
                ASSERT_NEAR(summator.lastSummed()[q],
                            stages.adc[model::kSamplesPerPeriod * k + chain.positions()[q]],
                            chain.adc().step)
                    << c.name << ", period " << k << ", position " << q;
        }
        // The detector's samples are the level of the connected input, with its gain, times
        // the relative powers; the switch connects the first input for the first half.
        std::vector<double> powers(model::kSamplesPerPeriod);
        model::fillRelativePowers(model::selectedNoiseKernel(), chain.law(), model::kNoiseSeed,
                                  kPressStart, powers.data());
        for (const int i : {1, 2500, 2501, 5000}) {
            EXPECT_EQ(stages.detected[i],
                      stages.gain[0] * (chain.level(chain.inputAt(i)) * powers[i - 1]))
                << c.name << ", sample " << i;
            EXPECT_EQ(stages.connected[i], chain.inputAt(i));
            EXPECT_EQ(stages.switched[i], chain.inputAt(i) == model::SwitchInput::First
                                              ? stages.input1[i]
                                              : stages.input2[i]);
        }
    }
}

TEST(CalibratedSummator, ThePressStartsFromTheSettledStateWithItsDrift) {
    CalibratedInputs in = calibratedDefaults();
    in.gainInstability = 3;
    CalibratedSummator summator(in);
    const model::CalibratedStages stages =
        model::calibratedStages(summator.chain(), model::kNoiseSeed, 0, 1);
    for (const int s : {0, 1, 3}) {
        const double settled = summator.chain().settledState()[s] * stages.gain[0];
        const double shown = s == 0   ? stages.filter1[0]
                             : s == 1 ? stages.capacitor[0]
                                      : stages.filter2[0];
        EXPECT_EQ(shown, settled);
    }
    EXPECT_NE(stages.gain[0], 1.0);
}

} // namespace
