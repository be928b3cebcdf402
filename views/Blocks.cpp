// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Blocks.h"

#include "views/BlockViews.h"
#include "views/SummatorView.h"

#include <algorithm>

namespace views {

namespace {

using model::Quantity;
using model::Result;

std::vector<Quantity> with(std::vector<Quantity> fields, std::initializer_list<Quantity> more) {
    fields.insert(fields.end(), more);
    return fields;
}

} // namespace

const std::vector<BlockDescription>& blockDescriptions() {
    using Q = Quantity;
    static const std::vector<Q> amplifier = {Q::Temperature1, Q::Temperature2, Q::ReceiverNoise,
                                             Q::Bandwidth,    Q::Gain,         Q::GainInstability};
    static const std::vector<Q> filter1 = with(amplifier, {Q::Cutoff1});
    static const std::vector<Q> filter2 = with(filter1, {Q::Cutoff2});
    static const std::vector<Result> temperatures = {Result::ta1, Result::ta2};
    static const std::vector<BlockDescription> blocks = {
        {Block::Antenna,
         "btnT1",
         TitleSource::Input1,
         nullptr,
         Stage::Input,
         {Q::Temperature1},
         {Result::ta1},
         &antennaView},
        {Block::NoiseEquivalent,
         "btnT2",
         TitleSource::Input2,
         nullptr,
         Stage::Input,
         {Q::Temperature2},
         {Result::ta2},
         &noiseEquivalentView},
        {Block::Switch,
         "btnap",
         TitleSource::Fixed,
         "Осциллограмма на выходе антенного переключателя",
         Stage::Switch,
         {Q::Temperature1, Q::Temperature2},
         temperatures,
         &switchView},
        {Block::Modulator,
         "btnmod",
         TitleSource::Fixed,
         "Осциллограмма на выходе модулятора",
         Stage::Modulator,
         {},
         {},
         &modulatorView},
        {Block::Uhf, "btnUVF", TitleSource::Fixed, "Осциллограмма на выходе УВЧ", Stage::Uhf,
         amplifier, temperatures, &uhfView},
        {Block::Detector, "btnDet", TitleSource::Fixed,
         "Осциллограмма на выходе квадратичного детектора", Stage::Detector, amplifier,
         temperatures, &detectorView},
        {Block::Filter1, "btnF1", TitleSource::Fixed,
         "Осциллограмма на выходе однозвенного фильтра", Stage::Filter1, filter1, temperatures,
         &filter1View},
        {Block::Capacitor, "btncap", TitleSource::Fixed,
         "Осциллограмма на выходе разделительной ёмкости", Stage::Capacitor, filter1, temperatures,
         &capacitorView},
        {Block::Filter2, "btnF2", TitleSource::Fixed,
         "Осциллограмма на выходе двухзвенного фильтра", Stage::Filter2, filter2, temperatures,
         &filter2View},
        {Block::Adc, "btnASP", TitleSource::Fixed, "Осциллограмма на выходе АЦП", Stage::Adc,
         with(filter2, {Q::WordLength}), temperatures, &adcView},
        {Block::Summator,
         "btnsum",
         TitleSource::Fixed,
         "Эффект накопления теплового сигнала в сумматоре",
         Stage::Summator,
         {Q::SamplingRate, Q::Accumulation, Q::ReceiverNoise, Q::Bandwidth, Q::GainInstability,
          Q::Cutoff1, Q::Cutoff2, Q::WordLength, Q::Temperature1, Q::Temperature2},
         {Result::realSensitivity, Result::potentialSensitivity, Result::brightnessDifference,
          Result::antennaDifference, Result::measuredDifference, Result::ta1, Result::ta2},
         &summatorView},
    };
    return blocks;
}

const BlockDescription& describe(Block block) {
    const auto& blocks = blockDescriptions();
    return *std::find_if(blocks.begin(), blocks.end(),
                         [block](const BlockDescription& b) { return b.block == block; });
}

std::string titleOf(const BlockDescription& block, const model::ReceiverState& state) {
    switch (block.titleSource) {
    case TitleSource::Input1:
        return state.input1Title;
    case TitleSource::Input2:
        return state.input2Title;
    case TitleSource::Fixed:
        break;
    }
    return block.title;
}

std::vector<model::Quantity> signalFields(const BlockDescription& block) {
    std::vector<model::Quantity> fields;
    for (const model::Quantity quantity : block.fields)
        if (quantity != model::Quantity::Accumulation && quantity != model::Quantity::SamplingRate)
            fields.push_back(quantity);
    return fields;
}

} // namespace views
