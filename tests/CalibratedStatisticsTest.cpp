// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a student sees of the calibrated receiver: the measured difference is the computed
// one, the spread of presses is the radiometer equation's, the real sensitivity falls as
// 1/√(Δf·τ), and a gain drift spoils the total-power receiver but not the modulated one.
// Each statistic is checked against a tolerance of about three of its own standard errors.

#include "CalibratedTestInputs.h"
#include "model/CalibratedResults.h"
#include "model/CalibratedSummator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using model::CalibratedInputs;
using model::CalibratedResults;
using model::Switching;
using testing_support::calibratedDefaults;

// Press p of a series: its own run of the stream, after every earlier press's.
CalibratedResults pressOf(const model::CalibratedChain& chain, int p) {
    const CalibratedInputs& in = chain.inputs();
    const std::int64_t periods = model::calibratedPeriods(in);
    model::CalibratedSummator summator(chain);
    model::UniformSource stream;
    stream.skip(static_cast<std::uint64_t>(p) * (periods + 1) *
                model::kCalibratedUniformsPerPeriod);
    model::CalibratedStatistics statistics;
    summator.run(stream, periods, statistics);
    return model::calibratedResults(in, chain.countAll(), statistics);
}

struct Series {
    double meanMeasured = 0;
    double spread = 0; // the sample spread of the presses' measured differences
    double meanReal = 0;
    double potential = 0;
};

Series seriesOf(const CalibratedInputs& in, int presses) {
    const model::CalibratedChain chain(in);
    Series series;
    std::vector<double> measured;
    for (int p = 0; p < presses; ++p) {
        const CalibratedResults r = pressOf(chain, p);
        measured.push_back(r.measuredDifference);
        series.meanReal += r.realSensitivity / presses;
        series.potential = r.potentialSensitivity;
    }
    for (const double m : measured)
        series.meanMeasured += m / presses;
    for (const double m : measured)
        series.spread += (m - series.meanMeasured) * (m - series.meanMeasured) / (presses - 1);
    series.spread = std::sqrt(series.spread);
    return series;
}

struct Change {
    const char* name;
    std::function<void(CalibratedInputs&)> apply;
};

CalibratedInputs changed(const Change& change, Switching switching = Switching::Modulated) {
    CalibratedInputs in = calibratedDefaults(switching);
    change.apply(in);
    return in;
}

TEST(CalibratedStatistics, TheMeasuredDifferenceIsTheComputedOneWithinThreeStandardErrors) {
    // The fields of the course model's table and more, one at a time, filters ≥ 3 kHz.
    const Change changes[] = {
        {"defaults", [](CalibratedInputs&) {}},
        {"Δf 100", [](CalibratedInputs& in) { in.bandwidth = 100; }},
        {"Δf 450", [](CalibratedInputs& in) { in.bandwidth = 450; }},
        {"Δf 1800", [](CalibratedInputs& in) { in.bandwidth = 1800; }},
        {"Δf 2", [](CalibratedInputs& in) { in.bandwidth = 2; }},
        {"Tprm 200", [](CalibratedInputs& in) { in.tprm = 200; }},
        {"Tprm 500", [](CalibratedInputs& in) { in.tprm = 500; }},
        {"Tprm 1000", [](CalibratedInputs& in) { in.tprm = 1000; }},
        {"Ta2 200", [](CalibratedInputs& in) { in.ta2 = 200; }},
        {"Ta2 300", [](CalibratedInputs& in) { in.ta2 = 300; }},
        {"Kp 2", [](CalibratedInputs& in) { in.gain = 2; }},
        {"Kp 8", [](CalibratedInputs& in) { in.gain = 8; }},
        {"n 8", [](CalibratedInputs& in) { in.wordLength = 8; }},
        {"n 16", [](CalibratedInputs& in) { in.wordLength = 16; }},
        {"F1 3 kHz", [](CalibratedInputs& in) { in.cutoff1 = 3000; }},
        {"F2 3 kHz", [](CalibratedInputs& in) { in.cutoff2 = 3000; }},
        {"F1 F2 100 kHz", [](CalibratedInputs& in) { in.cutoff1 = in.cutoff2 = 1e5; }},
        {"50 kHz", [](CalibratedInputs& in) { in.samplingStep = 100; }},
        {"25 kHz", [](CalibratedInputs& in) { in.samplingStep = 200; }},
        {"ΔKp/Kp 1 %", [](CalibratedInputs& in) { in.gainInstability = 1; }},
        {"ΔKp/Kp 5 %", [](CalibratedInputs& in) { in.gainInstability = 5; }},
    };
    for (const Switching switching : {Switching::Modulated, Switching::TotalPower})
        for (const Change& change : changes) {
            CalibratedInputs in = changed(change, switching);
            in.accumulation = 100;
            const CalibratedResults r = pressOf(model::CalibratedChain(in), 0);
            // A press's mean also carries the gain drift it started with, which its own
            // standard error cannot see: the drift's share of the potential is added.
            const double drift =
                in.gainInstability * 0.01 *
                (switching == Switching::Modulated ? in.ta1 - in.ta2 : in.ta1 + in.tprm);
            const double error = std::sqrt(r.realSensitivity * r.realSensitivity + drift * drift);
            EXPECT_NEAR(r.measuredDifference, in.ta1 - in.ta2, 3 * error)
                << change.name << (switching == Switching::Modulated ? "" : ", total power");
            EXPECT_EQ(r.computedDifference, std::fabs(in.ta1 - in.ta2));
            EXPECT_GT(r.realSensitivity, 0);
        }
}

TEST(CalibratedStatistics, TheSpreadOfManyPressesIsThePotentialSensitivityAtFiveMegahertz) {
    // 120 presses of 10 ms: the sample spread is known to ±6.5 %, so ±20 % is three of its
    // standard errors.
    const Change changes[] = {
        {"defaults", [](CalibratedInputs&) {}},
        {"Δf 100", [](CalibratedInputs& in) { in.bandwidth = 100; }},
        {"Δf 10", [](CalibratedInputs& in) { in.bandwidth = 10; }},
        {"Tprm 1000", [](CalibratedInputs& in) { in.tprm = 1000; }},
        {"Ta2 300", [](CalibratedInputs& in) { in.ta2 = 300; }},
        {"ΔKp/Kp 5 %", [](CalibratedInputs& in) { in.gainInstability = 5; }},
    };
    for (const Switching switching : {Switching::Modulated, Switching::TotalPower})
        for (const Change& change : changes) {
            const Series s = seriesOf(changed(change, switching), 120);
            const std::string name = std::string(change.name) +
                                     (switching == Switching::Modulated ? "" : ", total power");
            EXPECT_NEAR(s.spread / s.potential, 1, 0.2) << name;
        }
}

TEST(CalibratedStatistics, TheRealSensitivityFallsAsOneOverRootOfBandwidthTimesTime) {
    // The mean real sensitivity of presses holding 320 to 640 readings in all, so that it is
    // known to ±4 % or better: against Δf·τ over a factor of 256, its slope in logarithms
    // is −1/2 within ±0.03 (three standard errors), and it stays the same share of the
    // radiometer equation's value within ±12 %.
    struct Point {
        double bandwidth, accumulation;
    };
    std::vector<double> logBandTime, logReal, shares;
    for (const Point p :
         {Point{100, 10}, Point{100, 160}, Point{400, 40}, Point{1600, 10}, Point{1600, 160}}) {
        CalibratedInputs in = calibratedDefaults();
        in.bandwidth = p.bandwidth;
        in.accumulation = p.accumulation;
        const Series s = seriesOf(in, std::max(4, static_cast<int>(320 / p.accumulation)));
        logBandTime.push_back(std::log(p.bandwidth * p.accumulation));
        logReal.push_back(std::log(s.meanReal));
        shares.push_back(s.meanReal / s.potential);
    }
    const double n = static_cast<double>(shares.size());
    double mx = 0, my = 0, sxy = 0, sxx = 0, meanShare = 0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        mx += logBandTime[i] / n;
        my += logReal[i] / n;
        meanShare += shares[i] / n;
    }
    for (std::size_t i = 0; i < shares.size(); ++i) {
        sxy += (logBandTime[i] - mx) * (logReal[i] - my);
        sxx += (logBandTime[i] - mx) * (logBandTime[i] - mx);
    }
    EXPECT_NEAR(sxy / sxx, -0.5, 0.03);
    for (const double share : shares)
        EXPECT_NEAR(share / meanShare, 1, 0.12);
}

TEST(CalibratedStatistics, BalancedInputsGiveTwiceTsysOverRootOfBandwidthTimesTime) {
    CalibratedInputs in = calibratedDefaults();
    in.ta2 = in.ta1;
    const Series modulated = seriesOf(in, 120);
    const double tsys = in.ta1 + in.tprm;
    const double bandTime = in.bandwidth * 1e6 * model::summedSeconds(10, 4002, 1);
    EXPECT_DOUBLE_EQ(modulated.potential, 2 * tsys / std::sqrt(bandTime));
    EXPECT_NEAR(modulated.spread / modulated.potential, 1, 0.2);
    EXPECT_NEAR(modulated.meanReal / modulated.potential, 1, 0.1); // 1200 periods in all
    EXPECT_NEAR(modulated.meanMeasured, 0, 3 * modulated.spread / std::sqrt(120.0));
    // Without drift the total-power receiver is twice as sensitive.
    in.switching = Switching::TotalPower;
    const Series totalPower = seriesOf(in, 120);
    EXPECT_DOUBLE_EQ(totalPower.potential, tsys / std::sqrt(bandTime));
    EXPECT_NEAR(modulated.spread / totalPower.spread, 2, 0.4);
}

TEST(CalibratedStatistics, AGainDriftSpoilsTotalPowerButNotTheModulatedReceiver) {
    CalibratedInputs in = calibratedDefaults();
    in.ta2 = in.ta1;
    const Series steady = seriesOf(in, 120);
    in.gainInstability = 1;
    const Series drifting = seriesOf(in, 120);
    // The same noise: the drift of a balanced modulated receiver changes only the noise's
    // own scale, by about 1 %.
    EXPECT_NEAR(drifting.spread / steady.spread, 1, 0.05);
    // Total power: about Tsys·ΔKp/Kp, and no smaller after 16 times longer presses (the
    // radiometer equation alone would be 4 times smaller).
    in.switching = Switching::TotalPower;
    const double tsys = in.ta1 + in.tprm;
    const Series shortPresses = seriesOf(in, 120);
    EXPECT_NEAR(shortPresses.spread / (tsys * 0.01), 1, 0.2);
    in.accumulation = 160;
    const Series longPresses = seriesOf(in, 60);
    EXPECT_NEAR(longPresses.spread / (tsys * 0.01), 1, 0.3);
    EXPECT_NEAR(longPresses.potential / (tsys * 0.01), 1, 0.01);
}

} // namespace
