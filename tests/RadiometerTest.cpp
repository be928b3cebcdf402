// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The radiometer's formulas the summator compares its readings with, and the results of a
// press built from the readings' statistics.

#include "model/Radiometer.h"
#include "model/Fault.h"
#include "model/Numbers.h"
#include "model/Summator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Radiometer, SystemTemperatureIsTheReceiverNoisePlusTheAntennaShare) {
    EXPECT_EQ(model::systemTemperature(100, 304), 100 + 304 * 0.9);
    EXPECT_EQ(model::systemTemperature(0, 0), 0.0);
    EXPECT_EQ(model::systemTemperature(50, -10), 50 - 9.0);
}

TEST(Radiometer, PotentialSensitivityOfTheRadiometerEquation) {
    const struct {
        double tsys, tau;
        const char* label; // as the window writes it
    } cases[] = {
        {373.6, 1, "1,1138599951919"},    // the defaults: (100 + 273,6)·2√2/√900000
        {373.6, 100, "0,11138599951919"}, // a hundred times longer: ten times finer
        {373.6, 2.5, "0,704466915870118"},
        {200, 4, "0,298142396999972"},
    };
    for (const auto& c : cases) {
        const double value = model::potentialSensitivity(c.tsys, c.tau);
        EXPECT_EQ(model::formatNumber(value, ','), c.label) << c.tsys << " " << c.tau;
        EXPECT_NEAR(value, c.tsys * 2 * std::sqrt(2.0) / std::sqrt(900e3 * c.tau), 1e-15);
    }
}

TEST(Radiometer, RealSensitivityIsTheSpreadInKelvinOfTheMeanReading) {
    EXPECT_EQ(model::realSensitivity(373.6, 0, 203.6), 0.0);
    EXPECT_EQ(model::realSensitivity(373.6, 2, 200), 373.6 * 2 / 200);
    EXPECT_EQ(model::realSensitivity(373.6, 2, -200), -(373.6 * 2 / 200));
}

model::SummatorStatistics readings(std::initializer_list<double> values) {
    model::SummatorStatistics statistics;
    for (const double x : values)
        statistics.add(x);
    return statistics;
}

TEST(SummatorResults, FromTheReadingsAndTheFormulas) {
    const model::InputTemperatures temperatures{303.6, 100};
    const model::SummatorResults r =
        model::summatorResults(readings({200, 210, 205, 201}), 100, 304, 100, 4, temperatures);
    EXPECT_EQ(r.measuredDifference, 816.0 / 4);
    const double spread =
        std::sqrt(200.0 * 200 + 210 * 210 + 205 * 205 + 201 * 201 - 816.0 * 816 / 4) / 4;
    EXPECT_NEAR(r.realSensitivity, (100 + 304 * 0.9) * spread / 204, 1e-12);
    EXPECT_EQ(r.potentialSensitivity, model::potentialSensitivity(100 + 304 * 0.9, 4));
    EXPECT_EQ(r.brightnessDifference, 204.0);
    EXPECT_EQ(r.antennaDifference, 303.6 - 100);
    EXPECT_EQ(r.ta1, 303.6);
    EXPECT_EQ(r.ta2, 100.0);
}

TEST(SummatorResults, TheTypedTimeForThePotentialTheRunPeriodsForTheStatistics) {
    // 2,5 ms runs two periods: the mean is of those two, the potential keeps 2,5.
    const model::SummatorResults r =
        model::summatorResults(readings({200, 210}), 100, 304, 100, 2.5, {303.6, 100});
    EXPECT_EQ(r.measuredDifference, 205.0);
    EXPECT_EQ(r.potentialSensitivity, model::potentialSensitivity(373.6, 2.5));
}

TEST(SummatorResults, AZeroMeanReadingIsAFault) {
    try {
        model::summatorResults(readings({5, -5}), 100, 304, 100, 2, {303.6, 100});
        ADD_FAILURE() << "a zero mean was accepted";
    } catch (const model::ModelError& error) {
        EXPECT_EQ(error.fault().kind, model::FaultKind::ZeroMeasuredDifference);
    }
}

} // namespace
