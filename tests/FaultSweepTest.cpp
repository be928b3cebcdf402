// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every block button and the summator, pressed with every input field set in turn to each
// of the texts a student may type by mistake or on purpose, in the extended-target and the
// point-target scene. Whatever the text: no crash, no hang, no "nan" or "inf" in a label;
// either a normal result or one warning; a text that is not a number and is read by the
// view is refused by a warning naming its field and the text; after a warning the title,
// the labels and the picture are exactly as before the press. Then the side-lobe box with
// the same texts in β and Tsl.

#include "WindowFixture.h"
#include "model/ReceiverState.h"
#include "views/Fields.h"

#include <QCheckBox>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <atomic>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <tuple>

namespace {

using window_testing::SeenMessage;
using window_testing::Snapshot;

struct SweepText {
    const char* text;
    bool number; // a number the parser accepts; otherwise every view that reads it refuses
};

const SweepText kSweepTexts[] = {
    {"", false},      {"   ", false},   {"abc", false},    {"1,2,3", false},
    {"1 000", false}, {"1e999", false}, {"-1e999", false}, {"nan", false},
    {"inf", false},   {"0", true},      {"-0", true},      {"-1", true},
    {"1e300", true},  {"1e-300", true}, {"2,5", true},     {"2.5", true},
};

// The text fields a press may read (β and Tsl are read only by the side-lobe box).
const char* const kSweptFields[] = {"txtVisota", "txtScel", "txtF",       "txtT2",   "txtT1",
                                    "txtdeltaf", "txtKp",   "txtdeltaKp", "txtTprm", "txtF11",
                                    "txtF22",    "txtn",    "txtTint"};

// The fields each view reads, as the window's description lists them: the chain up to the
// block, the summator without the gain but with the accumulation time.
const std::map<std::string, std::set<std::string>>& fieldsRead() {
    static const std::set<std::string> amplifier = {"txtT1",     "txtT2", "txtTprm",
                                                    "txtdeltaf", "txtKp", "txtdeltaKp"};
    static const auto with = [](std::set<std::string> fields,
                                std::initializer_list<const char*> more) {
        for (const char* name : more)
            fields.insert(name);
        return fields;
    };
    static const std::map<std::string, std::set<std::string>> reads = {
        {"btnmod", {}},
        {"btnT1", {"txtT1"}},
        {"btnT2", {"txtT2"}},
        {"btnap", {"txtT1", "txtT2"}},
        {"btnUVF", amplifier},
        {"btnDet", amplifier},
        {"btnF1", with(amplifier, {"txtF11"})},
        {"btncap", with(amplifier, {"txtF11"})},
        {"btnF2", with(amplifier, {"txtF11", "txtF22"})},
        {"btnASP", with(amplifier, {"txtF11", "txtF22", "txtn"})},
        {"btnsum",
         {"txtT1", "txtT2", "txtTprm", "txtdeltaf", "txtdeltaKp", "txtF11", "txtF22", "txtn",
          "txtTint"}},
    };
    return reads;
}

// The point target reads these for every view (a target smaller than the beam).
const std::set<std::string> kPointTargetFields = {"txtScel", "txtVisota", "txtF",     "txtT1",
                                                  "txtT2",   "txtTint",   "txtdeltaf"};

// How the window's messages name a field: the field table's caption.
std::string captionOf(const std::string& field, model::Scene scene) {
    const views::Field* found = views::fieldOfControl(field);
    EXPECT_NE(found, nullptr) << field;
    return found ? views::fieldCaption(found->quantity, scene) : std::string();
}

bool showsNanOrInf(const QStringList& texts) {
    for (const QString& text : texts)
        if (text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
            text.contains(QLatin1String("inf"), Qt::CaseInsensitive))
            return true;
    return false;
}

std::atomic<int> combinationsTried{0};

class FaultSweep : public window_testing::WindowTest,
                   public ::testing::WithParamInterface<std::tuple<const char*, model::Scene>> {
protected:
    void chooseScene(model::Scene scene) {
        const char* option = scene == model::Scene::PointTarget ? "optCel" : "optBigCel";
        find<QRadioButton>(option)->click();
    }
};

TEST_P(FaultSweep, EveryFieldWithEveryText) {
    const std::string buttonName = std::get<0>(GetParam());
    const model::Scene scene = std::get<1>(GetParam());
    const QString button = QString::fromStdString(buttonName);
    chooseScene(scene);
    std::set<std::string> reads = fieldsRead().at(buttonName);
    if (scene == model::Scene::PointTarget)
        reads.insert(kPointTargetFields.begin(), kPointTargetFields.end());

    for (const char* name : kSweptFields) {
        const QString fieldName = QString::fromLatin1(name);
        const QString kept = field(fieldName)->text();
        const std::string caption = captionOf(name, scene);
        for (const SweepText& sweep : kSweepTexts) {
            const QString text = QString::fromUtf8(sweep.text);
            SCOPED_TRACE(buttonName + " with " + name + " = «" + sweep.text + "»");
            ++combinationsTried;

            // Whatever the last press left (picture, title, labels) is what a refused
            // press must keep.
            type(fieldName, text);
            const Snapshot before = snapshot();
            const std::vector<SeenMessage> messages = press(button);

            int warnings = 0;
            const SeenMessage* warning = nullptr;
            for (const SeenMessage& message : messages) {
                if (message.icon == QMessageBox::Warning) {
                    ++warnings;
                    warning = &message;
                } else {
                    // The only other box is the point target's: the beam is filled.
                    EXPECT_EQ(message.title,
                              QStringLiteral("Коэффициент заполнения луча больше единицы !"));
                }
            }
            ASSERT_LE(warnings, 1);
            const Snapshot after = snapshot();
            EXPECT_FALSE(showsNanOrInf(after.labelTexts())) << after.labelTexts().join(" | ");

            const bool read = reads.count(name) > 0;
            if (!sweep.number && read) {
                ASSERT_EQ(warnings, 1) << "a text that is not a number was accepted";
            }
            if (!read) {
                EXPECT_EQ(warnings, 0) << "a field the view does not read stopped it: "
                                       << (warning ? warning->text : QString());
            }
            if (warning) {
                const std::string said = warning->text.toStdString();
                if (!sweep.number) {
                    EXPECT_NE(said.find(caption), std::string::npos) << said;
                    EXPECT_NE(said.find(std::string("«") + sweep.text + "»"), std::string::npos)
                        << said;
                } else {
                    EXPECT_NE(said.find("«"), std::string::npos)
                        << "the message names no field: " << said;
                }
                EXPECT_TRUE(after.sameTexts(before)) << after.labelTexts().join(" | ");
                EXPECT_TRUE(after.picture == before.picture);
            }
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            if (HasFatalFailure())
                return;
        }
        type(fieldName, kept);
    }
}

std::string sweepName(const ::testing::TestParamInfo<FaultSweep::ParamType>& info) {
    return std::string(std::get<0>(info.param)) +
           (std::get<1>(info.param) == model::Scene::PointTarget ? "_PointTarget" : "_Extended");
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, FaultSweep,
    ::testing::Combine(::testing::Values("btnT1", "btnT2", "btnmod", "btnap", "btnUVF", "btnDet",
                                         "btnF1", "btncap", "btnF2", "btnASP", "btnsum"),
                       ::testing::Values(model::Scene::ExtendedTarget, model::Scene::PointTarget)),
    sweepName);

// ---- the side-lobe box -------------------------------------------------------------------

class SideLobeSweep : public window_testing::WindowTest {};

TEST_F(SideLobeSweep, EveryTextInBetaAndTsl) {
    auto* box = find<QCheckBox>("chkLepestok");
    for (const char* name : {"txtBetta", "txtTbokov"}) {
        const QString fieldName = QString::fromLatin1(name);
        const QString kept = field(fieldName)->text();
        for (const SweepText& sweep : kSweepTexts) {
            SCOPED_TRACE(std::string(name) + " = «" + sweep.text + "»");
            ++combinationsTried;
            type(fieldName, QString::fromUtf8(sweep.text));
            // Tick the box (it is unticked at every round's start).
            window_testing::ModalWatcher watcher;
            box->click();
            const model::ReceiverState& state = window().receiverState();
            // β is any 32-bit float, Tsl a whole number in −32768..32767 after rounding.
            const bool fits = sweep.number && !(std::string(sweep.text) == "1e300");
            if (fits) {
                EXPECT_TRUE(watcher.messages().empty());
                EXPECT_TRUE(box->isChecked());
            } else {
                ASSERT_EQ(watcher.messages().size(), 1u);
                const SeenMessage& message = watcher.messages().front();
                EXPECT_EQ(message.icon, QMessageBox::Warning);
                EXPECT_NE(message.text.toStdString().find(captionOf(name, {})), std::string::npos)
                    << message.text;
                EXPECT_FALSE(box->isChecked());
                EXPECT_EQ(state.sideLobeFraction, 0.0f);
                EXPECT_EQ(state.sideLobeTemperature, 0);
                // The fields stay open so that the text can be corrected.
                EXPECT_TRUE(field("txtBetta")->isEnabled());
                EXPECT_TRUE(field("txtTbokov")->isEnabled());
            }
            // Whatever the box took, every view still gives numbers, never nan or inf.
            for (const QString& button : window_testing::blockButtonNames()) {
                const std::vector<SeenMessage> messages = press(button);
                for (const SeenMessage& message : messages)
                    EXPECT_NE(message.icon, QMessageBox::Warning) << button << ": " << message.text;
                EXPECT_FALSE(showsNanOrInf(snapshot().labelTexts()))
                    << button << ": " << snapshot().labelTexts().join(" | ");
            }
            if (box->isChecked())
                box->click(); // untick for the next round: the pair goes back to 0 and 0
            EXPECT_EQ(state.sideLobeFraction, 0.0f);
            type(fieldName, kept);
        }
    }
}

// The count for the record, printed once the sweeps of this process are done.
class SweepCount : public ::testing::Environment {
public:
    void TearDown() override {
        if (combinationsTried > 0)
            std::cout << "fault sweep: " << combinationsTried << " combinations tried\n";
    }
};
const auto* const kSweepCount = ::testing::AddGlobalTestEnvironment(new SweepCount);

} // namespace
