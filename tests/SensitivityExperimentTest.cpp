// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The radiometer equation as an experiment: the times, the potential sensitivity of the
// formula, the real sensitivity falling as τ^(−1/2), the same table for the same fields,
// the faults before anything runs, and the table as CSV.

#include "views/SensitivityExperiment.h"
#include "PressFixture.h"
#include "model/Numbers.h"
#include "model/Radiometer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using testing_support::defaultTexts;
using testing_support::startupState;
using views::SensitivityExperiment;
using views::SensitivityRow;

std::vector<SensitivityRow> runAll(const SensitivityExperiment& experiment) {
    std::vector<SensitivityRow> rows;
    for (int index = 0; index < experiment.timeCount(); ++index)
        rows.push_back(experiment.runTime(index, nullptr));
    return rows;
}

TEST(SensitivityExperiment, TimesTwoFiveTenUpToTheLargest) {
    EXPECT_EQ(SensitivityExperiment::accumulationTimes(1000),
              (std::vector<double>{2, 5, 10, 20, 50, 100, 200, 500, 1000}));
    EXPECT_EQ(SensitivityExperiment::accumulationTimes(20), (std::vector<double>{2, 5, 10, 20}));
    EXPECT_EQ(SensitivityExperiment::accumulationTimes(300),
              (std::vector<double>{2, 5, 10, 20, 50, 100, 200}));
}

// With 20 presses a time the mean real sensitivity has a relative standard error of about
// 1/√(2·20·τ): at most 5 % from 10 ms on, a standard error of the fitted slope of about
// 0.02 over τ = 10..500 ms; the bound is five of those.
TEST(SensitivityExperiment, RealSensitivityFallsAsTheRootOfTimeAndStaysAboveThePotential) {
    const SensitivityExperiment experiment(defaultTexts(), startupState(),
                                           SensitivityExperiment::accumulationTimes(500), 20);
    const std::vector<SensitivityRow> rows = runAll(experiment);
    ASSERT_EQ(rows.size(), 8u);
    const double tsys = model::systemTemperature(100, 304);
    for (const SensitivityRow& row : rows) {
        SCOPED_TRACE(row.accumulation);
        EXPECT_EQ(row.real.size(), 20u);
        EXPECT_EQ(row.potential, model::potentialSensitivity(tsys, row.accumulation));
        EXPECT_GT(row.realMean(), row.potential);
        EXPECT_NEAR(row.computedDifference, 203.6, 1e-12);
        // The calibration's constants give about 206.7 K for the computed 203.6 K; the
        // scatter of the mean is 12 K/√(20·τ), four of which are added to 5 K.
        EXPECT_NEAR(row.measuredMean(), 203.6, 5 + 4 * 12 / std::sqrt(20 * row.accumulation));
    }
    const double slope = views::fittedSlope(rows);
    EXPECT_NEAR(slope, -0.5, 0.1);
}

TEST(SensitivityExperiment, SameFieldsGiveTheSameTableWhateverTheWindowDrewBefore) {
    model::ReceiverState used = startupState();
    used.uniform.skip(987654321);
    const SensitivityExperiment a(defaultTexts(), startupState(), {2, 5}, 3);
    const SensitivityExperiment b(defaultTexts(), used, {2, 5}, 3);
    const auto rowsA = runAll(a);
    const auto rowsB = runAll(b);
    ASSERT_EQ(rowsA.size(), rowsB.size());
    for (std::size_t k = 0; k < rowsA.size(); ++k) {
        EXPECT_EQ(rowsA[k].real, rowsB[k].real);
        EXPECT_EQ(rowsA[k].measured, rowsB[k].measured);
    }
    // Every press draws new noise.
    EXPECT_NE(rowsA[0].measured[0], rowsA[0].measured[1]);
}

TEST(SensitivityExperiment, AFaultInAFieldBeforeAnythingRuns) {
    views::FieldTexts texts = defaultTexts();
    texts[model::Quantity::Cutoff1] = "abc";
    try {
        SensitivityExperiment experiment(texts, startupState(), {2, 5}, 3);
        ADD_FAILURE() << "no fault";
    } catch (const views::PressError& error) {
        EXPECT_NE(std::string(error.what()).find("«Частота  среза фильтра1, Гц»"),
                  std::string::npos)
            << error.what();
    }
}

TEST(SensitivityExperiment, ItsNameIsTheSamplingRateAndTheScene) {
    views::FieldTexts texts = defaultTexts(model::Scene::Boundary);
    texts.samplingRateIndex = 3;
    EXPECT_EQ(SensitivityExperiment(texts, startupState(), {2}, 2).name(),
              "1МГц, граница двух целей");
}

TEST(SensitivityExperiment, SlopeOfExactRootLawAndTooFewRows) {
    std::vector<SensitivityRow> rows;
    for (const double tau : {2.0, 10.0, 100.0, 1000.0}) {
        SensitivityRow row;
        row.accumulation = tau;
        row.real = {3 / std::sqrt(tau) * (tau < 10 ? 5 : 1)}; // 2 ms is left out of the fit
        rows.push_back(row);
    }
    EXPECT_NEAR(views::fittedSlope(rows), -0.5, 1e-12);
    EXPECT_TRUE(std::isnan(views::fittedSlope({rows[0], rows[1]})));
}

TEST(SensitivityExperiment, TableAsCsv) {
    SensitivityRow row;
    row.accumulation = 10;
    row.real = {1.0, 3.0};
    row.measured = {200, 210};
    row.potential = 0.35;
    row.computedDifference = 203.6;
    const std::string csv = views::sensitivityCsv({row}, ',');
    EXPECT_EQ(csv, "\xEF\xBB\xBF"
                   "Время накопления, мс;Реальная чувствительность, К;Разброс реальной "
                   "чувствительности, К;Потенциальная чувствительность, К;Измеренная разность "
                   "антенных температур, К;Разность антенных температур, К\r\n"
                   "10;2;1,4142135623731;0,35;205;203,6\r\n");
    // With a decimal point, commas between the fields and the titles that hold one quoted.
    EXPECT_EQ(views::sensitivityCsv({row}, '.'),
              "\xEF\xBB\xBF"
              "\"Время накопления, мс\",\"Реальная чувствительность, К\",\"Разброс реальной "
              "чувствительности, К\",\"Потенциальная чувствительность, К\",\"Измеренная разность "
              "антенных температур, К\",\"Разность антенных температур, К\"\r\n"
              "10,2,1.4142135623731,0.35,205,203.6\r\n");
}

} // namespace
