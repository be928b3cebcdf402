// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one description of every block: its button, title, stage, the fields it reads with
// their captions, the results it writes; and that a press reads exactly those fields and
// writes exactly those results, in that order.

#include "PressFixture.h"
#include "model/Fault.h"
#include "views/Blocks.h"
#include "views/Fields.h"
#include "views/Press.h"
#include "views/Scenes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using model::Quantity;
using model::Result;
using testing_support::defaultTexts;
using testing_support::press;
using testing_support::startupState;
using views::Block;

struct Expected {
    Block block;
    const char* button;
    const char* title; // with the start-up state
    views::Stage stage;
    std::vector<const char*> fields; // the text boxes (and the list) it reads
    std::vector<Result> results;
};

const std::vector<Result> kTemperatures = {Result::ta1, Result::ta2};
const std::vector<const char*> kAmplifier = {"txtT1",     "txtT2", "txtTprm",
                                             "txtdeltaf", "txtKp", "txtdeltaKp"};
std::vector<const char*> amplifierAnd(std::initializer_list<const char*> more) {
    std::vector<const char*> fields = kAmplifier;
    fields.insert(fields.end(), more);
    return fields;
}

const std::vector<Expected>& expectedBlocks() {
    static const std::vector<Expected> blocks = {
        {Block::Antenna,
         "btnT1",
         "Осциллограмма на выходе антенного устройства",
         views::Stage::Input,
         {"txtT1"},
         {Result::ta1}},
        {Block::NoiseEquivalent,
         "btnT2",
         "Осциллограмма на выходе шумового эквивалента",
         views::Stage::Input,
         {"txtT2"},
         {Result::ta2}},
        {Block::Switch,
         "btnap",
         "Осциллограмма на выходе антенного переключателя",
         views::Stage::Switch,
         {"txtT1", "txtT2"},
         kTemperatures},
        {Block::Modulator,
         "btnmod",
         "Осциллограмма на выходе модулятора",
         views::Stage::Modulator,
         {},
         {}},
        {Block::Uhf, "btnUVF", "Осциллограмма на выходе УВЧ", views::Stage::Uhf, kAmplifier,
         kTemperatures},
        {Block::Detector, "btnDet", "Осциллограмма на выходе квадратичного детектора",
         views::Stage::Detector, kAmplifier, kTemperatures},
        {Block::Filter1, "btnF1", "Осциллограмма на выходе однозвенного фильтра",
         views::Stage::Filter1, amplifierAnd({"txtF11"}), kTemperatures},
        {Block::Capacitor, "btncap", "Осциллограмма на выходе разделительной ёмкости",
         views::Stage::Capacitor, amplifierAnd({"txtF11"}), kTemperatures},
        {Block::Filter2, "btnF2", "Осциллограмма на выходе двухзвенного фильтра",
         views::Stage::Filter2, amplifierAnd({"txtF11", "txtF22"}), kTemperatures},
        {Block::Adc, "btnASP", "Осциллограмма на выходе АЦП", views::Stage::Adc,
         amplifierAnd({"txtF11", "txtF22", "txtn"}), kTemperatures},
        {Block::Summator,
         "btnsum",
         "Эффект накопления теплового сигнала в сумматоре",
         views::Stage::Summator,
         {"cboFd", "txtTint", "txtTprm", "txtdeltaf", "txtdeltaKp", "txtF11", "txtF22", "txtn",
          "txtT1", "txtT2"},
         // The order in which the window writes the summator's labels: lblmo, lblmo1,
         // lblEnterT, lblEnter, lblexit, lblTa1, lblTa2.
         {Result::realSensitivity, Result::potentialSensitivity, Result::brightnessDifference,
          Result::antennaDifference, Result::measuredDifference, Result::ta1, Result::ta2}},
    };
    return blocks;
}

TEST(BlockDescription, EveryBlockAsTheWindowDescribesIt) {
    const model::ReceiverState state = startupState();
    const auto& described = views::blockDescriptions();
    ASSERT_EQ(described.size(), expectedBlocks().size());
    for (std::size_t k = 0; k < described.size(); ++k) {
        const views::BlockDescription& block = described[k];
        const Expected& expected = expectedBlocks()[k];
        SCOPED_TRACE(expected.button);
        EXPECT_EQ(block.block, expected.block);
        EXPECT_STREQ(block.button, expected.button);
        EXPECT_EQ(views::titleOf(block, state), expected.title);
        EXPECT_EQ(block.stage, expected.stage);
        std::vector<std::string> controls;
        for (const Quantity quantity : block.fields)
            controls.push_back(views::field(quantity).control);
        EXPECT_EQ(controls,
                  std::vector<std::string>(expected.fields.begin(), expected.fields.end()));
        EXPECT_EQ(block.results, expected.results);
        EXPECT_EQ(&views::describe(block.block), &block);
    }
}

TEST(BlockDescription, InputTitlesFollowTheState) {
    model::ReceiverState state = startupState();
    state.input1Title = "один";
    state.input2Title = "два";
    EXPECT_EQ(views::titleOf(views::describe(Block::Antenna), state), "один");
    EXPECT_EQ(views::titleOf(views::describe(Block::NoiseEquivalent), state), "два");
}

// A press reads exactly the fields of its description: a bad text anywhere else is never
// met, a bad text in one of them always is, and the message names that field.
TEST(BlockDescription, APressReadsExactlyItsFields) {
    for (const views::BlockDescription& block : views::blockDescriptions()) {
        for (const views::Field& field : views::fields()) {
            SCOPED_TRACE(std::string(block.button) + " " + field.control);
            views::FieldTexts texts = defaultTexts();
            if (field.quantity == Quantity::SamplingRate)
                texts.samplingRateIndex = -1;
            else
                texts[field.quantity] = "x";
            const bool listed = std::find(block.fields.begin(), block.fields.end(),
                                          field.quantity) != block.fields.end();
            const model::ReceiverState state = startupState();
            try {
                views::preparePress(block.block, texts, state);
                EXPECT_FALSE(listed) << "a bad text in a field it reads was not met";
            } catch (const views::PressError& error) {
                EXPECT_TRUE(listed) << "read a field it does not list: " << error.what();
                const std::string caption =
                    views::fieldCaption(field.quantity, model::Scene::ExtendedTarget);
                EXPECT_NE(std::string(error.what()).find("«" + caption + "»"), std::string::npos)
                    << error.what();
            }
        }
    }
}

TEST(BlockDescription, APressWritesExactlyItsResultsInTheirOrder) {
    for (const views::BlockDescription& block : views::blockDescriptions()) {
        SCOPED_TRACE(block.button);
        model::ReceiverState state = startupState();
        const views::ResultTexts texts = press(block.block, defaultTexts(), state).texts;
        std::vector<Result> written;
        for (const views::ResultText& item : texts.items)
            written.push_back(item.result);
        EXPECT_EQ(written, block.results);
    }
}

TEST(BlockDescription, SignalFieldsLeaveOutTheAccumulationAndTheSamplingRate) {
    const auto fields = views::signalFields(views::describe(Block::Summator));
    EXPECT_EQ(fields, (std::vector<Quantity>{Quantity::ReceiverNoise, Quantity::Bandwidth,
                                             Quantity::GainInstability, Quantity::Cutoff1,
                                             Quantity::Cutoff2, Quantity::WordLength,
                                             Quantity::Temperature1, Quantity::Temperature2}));
    EXPECT_EQ(views::signalFields(views::describe(Block::Uhf)), views::describe(Block::Uhf).fields);
}

TEST(FieldTable, EveryQuantityOnceWithItsControlAndCaption) {
    const auto& fields = views::fields();
    ASSERT_EQ(fields.size(), static_cast<std::size_t>(model::kQuantityCount));
    std::set<std::string> controls, captions;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        EXPECT_EQ(static_cast<std::size_t>(fields[k].quantity), k);
        EXPECT_TRUE(controls.insert(fields[k].control).second) << fields[k].control;
        EXPECT_TRUE(captions.insert(fields[k].caption).second) << fields[k].caption;
        EXPECT_EQ(views::fieldOfControl(fields[k].control), &fields[k]);
    }
    EXPECT_EQ(views::fieldOfControl("btnsum"), nullptr);
}

TEST(FieldTable, MessagesNameTheCaptionsWithoutTrailingBlanksAndTheSceneOfT2) {
    const auto extended = model::Scene::ExtendedTarget;
    EXPECT_EQ(views::fieldCaption(Quantity::Temperature1, extended),
              "Температура излучения в пределах главного луча (Тягл), К");
    EXPECT_EQ(views::fieldCaption(Quantity::Cutoff1, extended), "Частота  среза фильтра1, Гц");
    EXPECT_EQ(views::fieldCaption(Quantity::Temperature2, extended), "Т-ра эквивалента, К");
    EXPECT_EQ(views::fieldCaption(Quantity::Temperature2, model::Scene::PointTarget),
              "Т-ра фона, К");
    EXPECT_EQ(views::fieldCaption(Quantity::Temperature2, model::Scene::Boundary),
              "Т-ра цели 2, К");
    EXPECT_EQ(
        views::quoteFields({Quantity::Gain, Quantity::WordLength, Quantity::Cutoff2}, extended),
        "«Kp», «Разрядность» и «Частота  среза фильтра2, Гц»");
}

TEST(FieldTable, SamplingRatesAndTheirSteps) {
    const auto& rates = views::samplingRates();
    const std::vector<std::pair<std::string, int>> expected = {
        {"5МГц", 1},    {"2,5МГц", 2},  {"1,25МГц", 4}, {"1МГц", 5},   {"500кГц", 10},
        {"100кГц", 50}, {"50кГц", 100}, {"25кГц", 200}, {"10кГц", 500}};
    ASSERT_EQ(rates.size(), expected.size());
    for (std::size_t k = 0; k < rates.size(); ++k) {
        EXPECT_EQ(rates[k].name, expected[k].first);
        EXPECT_EQ(rates[k].step, expected[k].second);
    }
    EXPECT_STREQ(rates[views::kStartSamplingRate].name, "50кГц");
}

} // namespace
