// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calibrated receiver through the window object: chosen from its menu, a setup or
// the batch mode's request; named in the caption, the saved setup and the report; every
// block pressed in it; its summator's readings; and the inputs it refuses.

#include "front/Batch.h"
#include "front/Setup.h"
#include "front/Window.h"
#include "model/Numbers.h"
#include "views/SensitivityExperiment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

double reading(const front::Window& window, const char* label) {
    return model::parseNumber(window.control(label).text).value;
}

TEST(CalibratedWindow, TheMenuChoosesTheReceiverAndTheCaptionSetupAndReportNameIt) {
    front::Window window;
    EXPECT_TRUE(window.control("actCourseModel").checked);
    EXPECT_FALSE(window.control("actTotalPower").enabled);
    EXPECT_EQ(window.setupText().find("receiver"), std::string::npos);

    const front::Changes chosen = window.click("actCalibratedModel");
    EXPECT_EQ(*chosen.caption, "Veltrum — калиброванная модель");
    EXPECT_TRUE(window.control("actCalibratedModel").checked);
    EXPECT_FALSE(window.control("actCourseModel").checked);
    EXPECT_TRUE(window.control("actTotalPower").enabled);
    window.click("actTotalPower");
    EXPECT_EQ(window.caption(), "Veltrum — калиброванная модель, полная мощность");
    EXPECT_EQ(window.clockTick(9, 5, 7).caption,
              "Veltrum  09:05:07 — калиброванная модель, полная мощность");
    const std::string saved = window.setupText();
    EXPECT_NE(saved.find("\"receiver\": \"calibrated\""), std::string::npos);
    EXPECT_NE(saved.find("\"switching\": \"total-power\""), std::string::npos);
    bool named = false;
    for (const auto& row : window.report(nullptr, "", "").setup.rows)
        named |= row[1] == "калиброванная модель, полная мощность";
    EXPECT_TRUE(named);

    front::Window opened; // the saved setup brings the receiver back
    opened.openSetup(saved, "a.veltrum");
    EXPECT_EQ(opened.receiver(), views::ReceiverModel::Calibrated);
    EXPECT_EQ(opened.switching(), model::Switching::TotalPower);
    EXPECT_EQ(opened.caption(), "Veltrum — калиброванная модель, полная мощность");

    window.click("actCourseModel");
    EXPECT_EQ(window.caption(), "Veltrum  09:05:07");
    EXPECT_FALSE(window.control("actTotalPower").enabled);
}

TEST(CalibratedWindow, EveryBlockIsDrawnAndTheSummatorReadsTheDifference) {
    front::Window window;
    window.click("actCalibratedModel");
    window.type("txtTint", "100");
    for (const char* button : {"btnT1", "btnT2", "btnmod", "btnap", "btnUVF", "btnDet", "btnF1",
                               "btncap", "btnF2", "btnASP", "btnsum"}) {
        const front::Changes pressed = window.press(button);
        EXPECT_FALSE(pressed.box) << button << ": " << (pressed.box ? pressed.box->text : "");
        EXPECT_TRUE(pressed.picture) << button;
        EXPECT_FALSE(window.record().empty()) << button;
    }
    const double measured = reading(window, "lblexit");
    const double computed = reading(window, "lblEnter");
    const double error = reading(window, "lblmo");
    EXPECT_LT(std::abs(measured - computed), 3 * error);
    // The real sensitivity of a press agrees with this receiver's radiometer equation.
    EXPECT_NEAR(error / reading(window, "lblmo1"), 1.0, 0.35);

    front::Window again; // the same presses, the same bits
    again.click("actCalibratedModel");
    again.type("txtTint", "100");
    for (const char* button : {"btnT1", "btnT2", "btnmod", "btnap", "btnUVF", "btnDet", "btnF1",
                               "btncap", "btnF2", "btnASP", "btnsum"})
        again.press(button);
    EXPECT_EQ(again.control("lblexit").text, window.control("lblexit").text);
}

TEST(CalibratedWindow, OnePeriodLeavesTheRealSensitivityUnsaid) {
    front::Window window;
    window.click("actCalibratedModel");
    const front::Changes pressed = window.press("btnsum"); // 1 ms: one reading
    EXPECT_FALSE(pressed.box);
    EXPECT_EQ(window.control("lblmo").text, "");
    EXPECT_FALSE(window.control("lblexit").text.empty());
}

TEST(CalibratedWindow, InputsWithoutAPhysicalMeaningAreRefusedNamingTheField) {
    // The summator does not read Kp (its readings do not depend on it): the detector does.
    const struct {
        const char* field;
        const char* text;
        const char* caption;
        const char* button = "btnsum";
    } cases[] = {
        {"txtdeltaf", "0", "«Δf, МГц»"},
        {"txtKp", "-2", "«Kp»", "btnDet"},
        {"txtTprm", "-1", "«Т-ра вн.шума, К»"},
        {"txtdeltaKp", "-1", "«ΔKp/Kp, %»"},
        {"txtF11", "0", "«Частота  среза фильтра1, Гц»"},
        {"txtn", "8,5", "«Разрядность»"},
        {"txtT1", "-5", "«Температура излучения в пределах главного луча (Тягл), К»"},
    };
    for (const auto& c : cases) {
        front::Window window;
        window.click("actCalibratedModel");
        window.press("btnUVF");
        const std::string title = window.control("lblname").text;
        window.type(c.field, c.text);
        const front::Changes refused = window.press(c.button);
        ASSERT_TRUE(refused.refused()) << c.field;
        EXPECT_NE(refused.box->text.find(c.caption), std::string::npos) << refused.box->text;
        EXPECT_NE(refused.box->text.find(std::string("«") + c.text + "»"), std::string::npos)
            << refused.box->text;
        EXPECT_EQ(window.control("lblname").text, title) << c.field; // the window as it was
    }
}

TEST(CalibratedWindow, TheBatchModeTakesTheReceiverFromItsRequest) {
    front::BatchRequest request;
    request.setup.fields[model::Quantity::Accumulation] = "50";
    request.setup.receiver = views::ReceiverModel::Calibrated;
    request.presses = {"btnsum"};
    std::ostringstream calibrated, course, errors;
    EXPECT_EQ(front::runBatch(request, calibrated, errors), 0) << errors.str();
    request.setup.receiver.reset();
    EXPECT_EQ(front::runBatch(request, course, errors), 0) << errors.str();
    EXPECT_NE(calibrated.str(), course.str());
    // A setup names the receiver with its own words only.
    EXPECT_THROW(front::readSetup(R"({"format": "veltrum-setup", "version": 1,
                                      "receiver": "calibrate"})"),
                 front::SetupError);
    EXPECT_THROW(front::readSetup(R"({"format": "veltrum-setup", "version": 1,
                                      "switching": 1})"),
                 front::SetupError);
}

} // namespace

namespace {

// The experiment that shows why the receiver is modulated: with a gain drift of 1 % and
// balanced inputs, the total-power receiver's spread stays at Tsys·ΔKp/Kp however long it
// accumulates, while the modulated receiver's keeps falling as 1/√τ.
TEST(CalibratedWindow, TheSwitchingExperimentShowsTheTotalPowerFloor) {
    front::Window window;
    window.type("txtT2", "303,6"); // the noise equivalent at the antenna's temperature
    window.type("txtdeltaKp", "1");
    views::ExperimentSettings settings;
    settings.kind = views::ExperimentKind::Switching;
    settings.texts = window.fieldTexts();
    const std::vector<views::ExperimentSettings> runs = views::runsOfStart(settings);
    ASSERT_EQ(runs.size(), 2u);
    std::vector<std::vector<views::SensitivityRow>> rows;
    for (const views::ExperimentSettings& run : runs) {
        EXPECT_EQ(run.texts.receiver, views::ReceiverModel::Calibrated);
        const views::SensitivityExperiment experiment(run.texts, window.session().state(),
                                                      {10, 1000}, 8);
        rows.push_back({experiment.runTime(0, nullptr), experiment.runTime(1, nullptr)});
    }
    const auto& modulated = rows[0];
    const auto& totalPower = rows[1];
    const double floor = (303.6 + 100) * 0.01;
    EXPECT_GT(modulated[0].realMean() / modulated[1].realMean(), 5.0);
    EXPECT_LT(totalPower[0].realMean() / totalPower[1].realMean(), 2.0);
    EXPECT_NEAR(totalPower[1].realMean() / floor, 1.0, 0.5);
    EXPECT_NEAR(totalPower[1].potential / floor, 1.0, 0.01);
    EXPECT_LT(modulated[1].realMean(), totalPower[1].realMean() / 10);
    EXPECT_NE(views::runName(2, runs[1], &runs[0]).find("полная мощность"), std::string::npos);
    // The course experiment's rows keep their per-press real sensitivity.
    views::ExperimentSettings course;
    EXPECT_EQ(views::runsOfStart(course).size(), 1u);
}

} // namespace
