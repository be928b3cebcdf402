// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Blocks.h"

#include "i18n/Translate.h"

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
         VT_NOOP("Veltrum", "Осциллограмма на выходе антенного переключателя"),
         Stage::Switch,
         {Q::Temperature1, Q::Temperature2},
         temperatures,
         &switchView},
        {Block::Modulator,
         "btnmod",
         TitleSource::Fixed,
         VT_NOOP("Veltrum", "Осциллограмма на выходе модулятора"),
         Stage::Modulator,
         {},
         {},
         &modulatorView},
        {Block::Uhf, "btnUVF", TitleSource::Fixed,
         VT_NOOP("Veltrum", "Осциллограмма на выходе УВЧ"), Stage::Uhf, amplifier, temperatures,
         &uhfView},
        {Block::Detector, "btnDet", TitleSource::Fixed,
         VT_NOOP("Veltrum", "Осциллограмма на выходе квадратичного детектора"), Stage::Detector,
         amplifier, temperatures, &detectorView},
        {Block::Filter1, "btnF1", TitleSource::Fixed,
         VT_NOOP("Veltrum", "Осциллограмма на выходе однозвенного фильтра"), Stage::Filter1,
         filter1, temperatures, &filter1View},
        {Block::Capacitor, "btncap", TitleSource::Fixed,
         VT_NOOP("Veltrum", "Осциллограмма на выходе разделительной ёмкости"), Stage::Capacitor,
         filter1, temperatures, &capacitorView},
        {Block::Filter2, "btnF2", TitleSource::Fixed,
         VT_NOOP("Veltrum", "Осциллограмма на выходе двухзвенного фильтра"), Stage::Filter2,
         filter2, temperatures, &filter2View},
        {Block::Adc, "btnASP", TitleSource::Fixed,
         VT_NOOP("Veltrum", "Осциллограмма на выходе АЦП"), Stage::Adc,
         with(filter2, {Q::WordLength}), temperatures, &adcView},
        {Block::Summator,
         "btnsum",
         TitleSource::Fixed,
         VT_NOOP("Veltrum", "Эффект накопления теплового сигнала в сумматоре"),
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

std::string blockTooltip(Block block) {
    switch (block) {
    case Block::Antenna:
        return i18n::translate("Veltrum", "Шум первого входа: антенна, направленная на цель. Его "
                                          "размах пропорционален антенной температуре Ta1.");
    case Block::NoiseEquivalent:
        return i18n::translate("Veltrum", "Шум второго входа: шумовой эквивалент (фон, вторая "
                                          "цель). Его размах пропорционален температуре Ta2.");
    case Block::Modulator:
        return i18n::translate("Veltrum", "Меандр 1 кГц: он переключает входы приёмника и задаёт "
                                          "такт сумматору.");
    case Block::Switch:
        return i18n::translate("Veltrum", "Первый вход в первую половину каждого периода "
                                          "модуляции, второй — во вторую; цвет показывает, какой "
                                          "вход подключён.");
    case Block::Uhf:
        return i18n::translate("Veltrum", "Усиление в полосе Δf с собственным шумом приёмника: "
                                          "Kp·Δf·10⁻³·(вход + Tprm·ξ); усиление колеблется на "
                                          "ΔKp/Kp.");
    case Block::Detector:
        return i18n::translate("Veltrum", "Квадратичный детектор: квадрат выхода УВЧ плюс "
                                          "постоянные 200. Мощность шума превращается в уровень.");
    case Block::Filter1:
        return i18n::translate("Veltrum", "Фильтр нижних частот с частотой среза F1 сглаживает "
                                          "выход детектора: проступают два уровня двух входов.");
    case Block::Capacitor:
        return i18n::translate("Veltrum", "Разделительная ёмкость убирает среднее значение: "
                                          "уровни двух входов становятся плюсом и минусом.");
    case Block::Filter2:
        return i18n::translate("Veltrum", "Второй фильтр нижних частот, с частотой среза F2, ещё "
                                          "сглаживает сигнал перед АЦП.");
    case Block::Adc:
        return i18n::translate("Veltrum", "АЦП квантует сигнал n разрядами на его собственном "
                                          "размахе.");
    case Block::Summator:
        return i18n::translate("Veltrum", "Накопление за время τ: разность сумм двух полупериодов "
                                          "даёт измеренную разность антенных температур, её "
                                          "разброс — реальную чувствительность.");
    }
    return {};
}

std::string titleOf(const BlockDescription& block, const model::ReceiverState& state) {
    switch (block.titleSource) {
    case TitleSource::Input1:
        return i18n::tr(state.input1Title.c_str());
    case TitleSource::Input2:
        return i18n::tr(state.input2Title.c_str());
    case TitleSource::Fixed:
        break;
    }
    return i18n::tr(block.title);
}

std::vector<model::Quantity> signalFields(const BlockDescription& block) {
    std::vector<model::Quantity> fields;
    for (const model::Quantity quantity : block.fields)
        if (quantity != model::Quantity::Accumulation && quantity != model::Quantity::SamplingRate)
            fields.push_back(quantity);
    return fields;
}

} // namespace views
