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
#include <memory>
#include <optional>
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

// Press p of time i is a plain summator press of that time from the window's state with
// the stream moved on to the experiment's first position plus the periods of every press
// before it: 2 ms × 3 presses, then p presses of 5 ms.
TEST(SensitivityExperiment, EachPressTakesItsNoiseFromItsOwnPlaceOfTheStream) {
    const model::ReceiverState window = startupState();
    const SensitivityExperiment experiment(defaultTexts(), window, {2, 5}, 3);
    const SensitivityRow row = experiment.runTime(1, nullptr);
    ASSERT_EQ(row.real.size(), 3u);
    const std::uint64_t firstPosition = std::uint64_t{1} << 62;
    const std::uint64_t uniformsPerPeriod = 5000 * 3 * 2; // three draws of two uniforms
    for (std::uint64_t p = 0; p < 3; ++p) {
        SCOPED_TRACE(p);
        model::ReceiverState state = window;
        state.uniform.skip(firstPosition + uniformsPerPeriod * (2 * 3 + 5 * p));
        views::FieldTexts texts = defaultTexts();
        texts[model::Quantity::Accumulation] = "5";
        const testing_support::Recorded plain =
            testing_support::press(views::Block::Summator, texts, state);
        EXPECT_EQ(plain.texts.get(model::Result::measuredDifference),
                  model::formatNumber(row.measured[p], ','));
        EXPECT_EQ(plain.texts.get(model::Result::realSensitivity),
                  model::formatNumber(row.real[p], ','));
    }
    // And never the window's own noise: its first 5 ms press reads otherwise.
    model::ReceiverState own = window;
    views::FieldTexts texts = defaultTexts();
    texts[model::Quantity::Accumulation] = "5";
    EXPECT_NE(testing_support::press(views::Block::Summator, texts, own)
                  .texts.get(model::Result::measuredDifference),
              model::formatNumber(row.measured[0], ','));
}

// Stepped a batch at a time (as the page's worker runs it), the same rows to the last bit.
TEST(SensitivityExperiment, TheRunnerStepByStepGivesTheRowsOfRunTime) {
    auto experiment = std::make_shared<const SensitivityExperiment>(defaultTexts(), startupState(),
                                                                    std::vector<double>{2, 300}, 2);
    views::ExperimentRunner runner(experiment);
    std::vector<SensitivityRow> rows;
    int steps = 0;
    double done = 0;
    while (!runner.finished()) {
        if (std::optional<SensitivityRow> row = runner.step())
            rows.push_back(*row);
        EXPECT_GE(runner.done(), done);
        done = runner.done();
        ++steps;
    }
    EXPECT_EQ(done, runner.total());
    EXPECT_GE(steps, 2 + 2 * 3); // 300 periods are three batches
    ASSERT_EQ(rows.size(), 2u);
    for (int index = 0; index < 2; ++index) {
        const SensitivityRow whole = experiment->runTime(index, nullptr);
        EXPECT_EQ(rows[index].real, whole.real);
        EXPECT_EQ(rows[index].measured, whole.measured);
        EXPECT_EQ(rows[index].potential, whole.potential);
    }
}

// The spread column of a real run is the sample standard deviation of its presses.
TEST(SensitivityExperiment, SpreadOfARealRunIsTheSampleDeviationOfItsPresses) {
    const SensitivityExperiment experiment(defaultTexts(), startupState(), {10}, 6);
    const SensitivityRow row = experiment.runTime(0, nullptr);
    ASSERT_EQ(row.real.size(), 6u);
    double mean = 0;
    for (const double real : row.real)
        mean += real / 6;
    double squares = 0;
    for (const double real : row.real)
        squares += (real - mean) * (real - mean);
    EXPECT_NEAR(row.realMean(), mean, 1e-12 * mean);
    EXPECT_NEAR(row.realSpread(), std::sqrt(squares / 5), 1e-12 * mean);
    EXPECT_GT(row.realSpread(), 0.02 * mean); // six presses of 10 ms do scatter
}

TEST(SensitivityExperiment, RunsAreNamedWithTheirNumberAndWhatDiffersFromTheFirst) {
    views::ExperimentSettings first;
    first.texts = defaultTexts(model::Scene::Boundary);
    first.texts.samplingRateIndex = 3;
    views::ExperimentSettings other = first;
    other.texts.samplingRateIndex = 7;
    other.texts[model::Quantity::ReceiverNoise] = "200";
    other.texts[model::Quantity::Gain] = "8"; // the summator does not read the gain
    other.presses = 20;
    views::ExperimentSettings lobes = first;
    lobes.sideLobeFraction = 0.25f;
    lobes.sideLobeTemperature = 280;
    views::ExperimentSettings point = lobes; // a locale with a decimal point
    point.decimalSeparator = '.';
    point.largest = 500;
    const struct {
        int number;
        const views::ExperimentSettings* settings;
        const views::ExperimentSettings* first;
        const char* name;
    } cases[] = {
        {1, &first, nullptr, "Опыт 1: 1МГц, граница двух целей"},
        {2, &first, &first, "Опыт 2: как опыт 1"},
        {3, &other, &first,
         "Опыт 3: Fдискретиз. 25кГц; Т-ра вн.шума, К = 200; 20 нажатий на время"},
        {4, &lobes, &first, "Опыт 4: боковые лепестки β = 0,25, Тяб = 280 К"},
        {5, &point, &first, "Опыт 5: боковые лепестки β = 0.25, Тяб = 280 К; до 500 мс"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(views::runName(c.number, *c.settings, c.first), c.name);

    views::ExperimentLog log;
    EXPECT_EQ(log.startRun(first).name, "Опыт 1: 1МГц, граница двух целей");
    EXPECT_EQ(log.startRun(other).number, 2);
    // A third run back at the first run's settings is named against the first, not the
    // second that changed them.
    EXPECT_EQ(log.startRun(first).name, "Опыт 3: как опыт 1");
    EXPECT_EQ(log.startRun(lobes).name, "Опыт 4: боковые лепестки β = 0,25, Тяб = 280 К");
    log.clear();
    EXPECT_EQ(log.startRun(other).number, 1);
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

// Every run's rows, with their run; a cell of the table to six digits, of the CSV to
// fifteen; the fitted line of each run under the chart.
TEST(SensitivityExperiment, TableOfEveryRunAsCsvAndItsSlopes) {
    SensitivityRow row;
    row.accumulation = 10;
    row.real = {1.0, 3.0};
    row.measured = {200, 210};
    row.potential = 0.35;
    row.computedDifference = 203.6;
    views::ExperimentLog log;
    log.startRun({});
    log.addRow(row);
    log.startRun({});
    row.accumulation = 20;
    log.addRow(row);
    EXPECT_EQ(log.rowCount(), 2);
    EXPECT_EQ(log.csv(','), "\xEF\xBB\xBF"
                            "Опыт;Время накопления, мс;Реальная чувствительность, К;Разброс "
                            "реальной чувствительности, К;Потенциальная чувствительность, К;"
                            "Измеренная разность антенных температур, К;Разность антенных "
                            "температур, К\r\n"
                            "1;10;2;1,4142135623731;0,35;205;203,6\r\n"
                            "2;20;2;1,4142135623731;0,35;205;203,6\r\n");
    // With a decimal point, commas between the fields and the titles that hold one quoted.
    EXPECT_EQ(log.csv('.').rfind("\xEF\xBB\xBF"
                                 "Опыт,\"Время накопления, мс\",",
                                 0),
              0u);
    EXPECT_EQ(views::tableCell(row.realSpread(), ','), "1,41421");

    std::vector<SensitivityRow> exact;
    for (const double tau : {10.0, 100.0, 1000.0}) {
        SensitivityRow r;
        r.accumulation = tau;
        r.real = {3.5 / std::sqrt(tau)};
        exact.push_back(r);
    }
    const views::FittedLine line = views::fittedLine(exact);
    EXPECT_NEAR(line.slope, -0.5, 1e-12);
    EXPECT_NEAR(line.coefficient, 3.5, 1e-12);
    EXPECT_EQ(views::fittedEquation(line, ','), "σ = 3,5·τ^-0,5");
    EXPECT_EQ(log.slopeText(','), "Наклон реальной чувствительности от 10 мс: опыт 1: —; "
                                  "опыт 2: —; уравнение радиометра: -0,5");
}

} // namespace
