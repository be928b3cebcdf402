// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Golden numbers of a fixed sequence of presses from a fresh window. The noise stream is
// part of what the program shows: the same presses draw the same pictures and readings in
// every run, on every processor (every kernel, AVX2 or AVX-512), with any number of cores
// and from any build. A change of the noise, of its order of draws, of the summator's
// running extremes, of its threads or of the compiler's rounding fails here.

#include "WindowFixture.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using window_testing::WindowTest;

// The summator's labels, in the order the window writes them.
const char* const kSummatorLabels[] = {"lblmo",   "lblmo1", "lblEnterT", "lblEnter",
                                       "lblexit", "lblTa1", "lblTa2"};

std::string hex(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

struct GoldenSummator {
    const char* tint;
    int rate; // position of cboFd: 0 is 5 MHz (s = 1), 6 is 50 kHz (s = 100), 8 is 10 kHz (s = 500)
    std::vector<std::string> labels;
};

TEST_F(WindowTest, GoldenSummatorReadingsOfAFixedSequenceOfPresses) {
    // Pressed in this order from a fresh window; each press draws on from where the one
    // before left the noise stream.
    const std::vector<GoldenSummator> presses = {
        {"1",
         6,
         {"0", "1,1138599951919", "204", "203,6", "212,595146978352", "Ta1=303,6", "Ta2=100"}},
        {"3",
         6,
         {"4,42035788006682", "0,643087368063596", "204", "203,6", "202,240596987308", "Ta1=303,6",
          "Ta2=100"}},
        {"1",
         0,
         {"0", "1,1138599951919", "204", "203,6", "207,037904006194", "Ta1=303,6", "Ta2=100"}},
        {"3",
         0,
         {"2,25199591516741", "0,643087368063596", "204", "203,6", "211,207431913522", "Ta1=303,6",
          "Ta2=100"}},
        {"1",
         8,
         {"0", "1,1138599951919", "204", "203,6", "142,36574660295", "Ta1=303,6", "Ta2=100"}},
        {"3",
         8,
         {"7,65297528037635", "0,643087368063596", "204", "203,6", "143,45508342948", "Ta1=303,6",
          "Ta2=100"}},
    };
    for (const GoldenSummator& golden : presses) {
        SCOPED_TRACE(std::string("Tint ") + golden.tint + ", rate " + std::to_string(golden.rate));
        type("txtTint", QString::fromLatin1(golden.tint));
        find<QComboBox>("cboFd")->setCurrentIndex(golden.rate);
        ASSERT_TRUE(press("btnsum").empty());
        std::vector<std::string> texts;
        for (const char* name : kSummatorLabels)
            texts.push_back(label(QString::fromLatin1(name))->text().toStdString());
        EXPECT_EQ(texts, golden.labels);
    }
}

TEST_F(WindowTest, GoldenFirstSamplesOfEveryChainBufferAfterTheBlockViews) {
    ASSERT_TRUE(press("btnT1").empty());
    const model::ReceiverState& afterInput = window().receiverState();
    std::vector<std::string> input;
    for (int i = 1; i <= 3; ++i)
        input.push_back(hex(afterInput.inputWave[i]));
    ASSERT_TRUE(press("btnASP").empty());
    const model::ReceiverState& state = window().receiverState();
    std::vector<std::string> chain = input;
    for (const auto* wave : {&state.uhfWave, &state.detectorWave, &state.filter1Wave,
                             &state.capacitorWave, &state.filter2Wave, &state.adcWave})
        for (int i = 1; i <= 4; ++i)
            chain.push_back(hex((*wave)[i]));
    for (int i = 1; i <= 4; ++i)
        chain.push_back(hex(state.switchWave[i]));
    chain.push_back(hex(state.lastNoise1));
    chain.push_back(hex(state.lastNoise2));
    // inputWave[1..3] after the antenna; then uhfWave, detectorWave, filter1Wave,
    // capacitorWave, filter2Wave and adcWave [1..4] and switchWave[1..4] after the ADC
    // view; then the generators' last raw samples.
    const std::vector<std::string> golden = {
        "-0x1.8bc87748d4949p+2",
        "0x1.9a7a2ca61fc77p+7",
        "-0x1.cfcd04a98b569p+5",
        "0x1.0b81e809e0b2dp+9",
        "0x1.0d0a27e399436p+10",
        "0x1.2770fa36bc044p+4",
        "-0x1.59a992f8c529fp+6",
        "0x1.17ba3bf046fb6p+18",
        "0x1.1acad83b7416bp+20",
        "0x1.0e7ac94304e2ap+9",
        "0x1.df3a7e75e4401p+12",
        "0x0p+0",
        "0x1.ab717f10df169p+11",
        "0x1.0cdb1d4d8be5ep+14",
        "0x1.09bf48e8aeef4p+14",
        "-0x1.84e721fc23a13p+17",
        "-0x1.7e395bffe024dp+17",
        "-0x1.634bbe5272247p+17",
        "-0x1.63af38df0dc34p+17",
        "0x0p+0",
        "0x0p+0",
        "-0x1.b5e2492535ebdp+11",
        "-0x1.ae5702343cd22p+12",
        "0x0p+0",
        "0x0p+0",
        "-0x1.b75adc9676ea8p+11",
        "-0x1.b1dced07c8a12p+12",
        "0x1.097d8cbc19d87p+8",
        "0x1.27e4bd7a26a5bp+8",
        "0x1.179abb59854b2p+5",
        "0x1.ea49fe76904c7p+2",
        "0x1.c1181686e3b08p-1",
        "-0x1.4fd7d57f5e981p-9",
    };
    EXPECT_EQ(chain, golden);
}

} // namespace
