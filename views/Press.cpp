// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Press.h"

#include "model/Temperatures.h"
#include "views/BlockViews.h"
#include "views/Fields.h"
#include "views/SummatorView.h"

#include <cmath>

namespace views {

namespace {

std::string titleOf(Block block, const model::ReceiverState& state) {
    switch (block) {
    case Block::Antenna:
        return state.input1Title;
    case Block::NoiseEquivalent:
        return state.input2Title;
    case Block::Modulator:
        return "Осциллограмма на выходе модулятора";
    case Block::Switch:
        return "Осциллограмма на выходе антенного переключателя";
    case Block::Uhf:
        return "Осциллограмма на выходе УВЧ";
    case Block::Detector:
        return "Осциллограмма на выходе квадратичного детектора";
    case Block::Filter1:
        return "Осциллограмма на выходе однозвенного фильтра";
    case Block::Capacitor:
        return "Осциллограмма на выходе разделительной ёмкости";
    case Block::Filter2:
        return "Осциллограмма на выходе двухзвенного фильтра";
    case Block::Adc:
        return "Осциллограмма на выходе АЦП";
    case Block::Summator:
        return "Эффект накопления теплового сигнала в сумматоре";
    }
    return {};
}

// How far along the chain a block lies: each view reads the fields of every block
// before it.
int chainDepth(Block block) {
    switch (block) {
    case Block::Antenna:
    case Block::NoiseEquivalent:
    case Block::Modulator:
        return 0;
    case Block::Switch:
        return 1;
    case Block::Uhf:
    case Block::Detector:
        return 2;
    case Block::Filter1:
    case Block::Capacitor:
        return 3;
    case Block::Filter2:
        return 4;
    case Block::Adc:
    case Block::Summator:
        return 5;
    }
    return 0;
}

// The summator's sampling step for each position of cboFd (5 MHz down to 10 kHz).
constexpr int kSamplingSteps[] = {1, 2, 4, 5, 10, 50, 100, 200, 500};

// The longest accumulation the program will start: 10⁶ ms, about a minute of work.
constexpr double kLongestAccumulation = 1e6;

void readPointTarget(Press& press, const FieldTexts& texts, const model::ReceiverState& state) {
    model::PointTargetInputs in;
    in.area = readNumber(caption::kScel, texts.txtScel);
    in.height = readNumber(caption::kVisota, texts.txtVisota);
    in.frequency = readNumber(caption::kF, texts.txtF);
    in.sideLobeFraction = state.sideLobeFraction;
    in.sideLobeTemperature = state.sideLobeTemperature;
    try {
        // A target that fills the beam is an extended target after all: its range is not
        // computed, so the background, time and bandwidth fields are not read for it.
        const model::BeamFilling beam = model::beamFilling(in.area, in.height, in.frequency);
        in.t1 = readNumber(caption::kT1, texts.txtT1);
        if (!beam.filled) {
            in.t2 = readNumber(t2Caption(texts.scene), texts.txtT2);
            in.integration = readNumber(caption::kTint, texts.txtTint);
            in.bandwidth = readNumber(caption::kDeltaf, texts.txtdeltaf);
        }
        press.pointTarget = model::evaluatePointTarget(in, beam);
    } catch (const model::PointTargetError& error) {
        throw PressError(error.what());
    }
}

void readSummatorFields(Press& press, const FieldTexts& texts) {
    PressInputs& in = press.inputs;
    if (texts.cboFdIndex < 0 || texts.cboFdIndex >= static_cast<int>(std::size(kSamplingSteps)))
        throw PressError("Не выбрана частота дискретизации «Fдискретиз.».");
    in.samplingStep = kSamplingSteps[texts.cboFdIndex];
    in.tint = readNumber(caption::kTint, texts.txtTint);
    if (!(in.tint >= 1))
        throw PressError("Поле «Время накопления,мс»: «" + texts.txtTint +
                         "» — время накопления должно быть не меньше 1 мс.");
    if (in.tint > kLongestAccumulation)
        throw PressError("Поле «Время накопления,мс»: «" + texts.txtTint +
                         "» — время накопления не должно превышать 1000000 мс.");
    in.tprm = readNumber(caption::kTprm, texts.txtTprm);
    in.deltaf = readNumber(caption::kDeltaf, texts.txtdeltaf);
    in.deltaKp = readNumber(caption::kDeltaKp, texts.txtdeltaKp);
    in.f1 = readNumber(caption::kF11, texts.txtF11);
    in.f2 = readNumber(caption::kF22, texts.txtF22);
    in.n = readNumber(caption::kN, texts.txtn);
    in.t1 = readNumber(caption::kT1, texts.txtT1);
    in.t2 = readNumber(t2Caption(texts.scene), texts.txtT2);
}

void readBlockFields(Press& press, const FieldTexts& texts) {
    PressInputs& in = press.inputs;
    const int depth = chainDepth(press.block);
    if (press.block == Block::Antenna || depth >= 1)
        in.t1 = readNumber(caption::kT1, texts.txtT1);
    if (press.block == Block::NoiseEquivalent || depth >= 1)
        in.t2 = readNumber(t2Caption(texts.scene), texts.txtT2);
    if (depth >= 2) {
        in.tprm = readNumber(caption::kTprm, texts.txtTprm);
        in.deltaf = readNumber(caption::kDeltaf, texts.txtdeltaf);
        in.kp = readNumber(caption::kKp, texts.txtKp);
        in.deltaKp = readNumber(caption::kDeltaKp, texts.txtdeltaKp);
    }
    if (depth >= 3)
        in.f1 = readNumber(caption::kF11, texts.txtF11);
    if (depth >= 4)
        in.f2 = readNumber(caption::kF22, texts.txtF22);
    if (depth >= 5)
        in.n = readNumber(caption::kN, texts.txtn);
}

void checkWordLength(const Press& press, const FieldTexts& texts) {
    if (chainDepth(press.block) < 5)
        return;
    const double levels = model::adcLevels(press.inputs.n);
    if (!std::isfinite(levels) || levels <= 0)
        throw PressError("Поле «Разрядность»: «" + texts.txtn +
                         "» — число уровней АЦП 2ⁿ не представимо; разрядность должна "
                         "лежать в пределах от −1000 до 1000.");
}

} // namespace

Press preparePress(Block block, const FieldTexts& texts, const model::ReceiverState& state) {
    Press press;
    press.block = block;
    press.scene = texts.scene;
    press.title = titleOf(block, state);
    if (texts.scene == model::Scene::PointTarget)
        readPointTarget(press, texts, state);
    if (block == Block::Summator)
        readSummatorFields(press, texts);
    else
        readBlockFields(press, texts);
    checkWordLength(press, texts);
    return press;
}

ResultTexts runPress(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                     char decimalSeparator, Progress* progress) {
    if (press.pointTarget)
        state.beamTemperature = press.pointTarget->beamTemperature;
    switch (press.block) {
    case Block::Modulator:
        return modulatorView(state, canvas);
    case Block::Antenna:
        return inputView(model::SwitchInput::First, press, state, canvas, decimalSeparator);
    case Block::NoiseEquivalent:
        return inputView(model::SwitchInput::Second, press, state, canvas, decimalSeparator);
    case Block::Switch:
        return switchView(press, state, canvas, decimalSeparator);
    case Block::Uhf:
        return uhfView(press, state, canvas, decimalSeparator);
    case Block::Detector:
        return detectorView(press, state, canvas, decimalSeparator);
    case Block::Filter1:
        return filter1View(press, state, canvas, decimalSeparator);
    case Block::Capacitor:
        return capacitorView(press, state, canvas, decimalSeparator);
    case Block::Filter2:
        return filter2View(press, state, canvas, decimalSeparator);
    case Block::Adc:
        return adcView(press, state, canvas, decimalSeparator);
    case Block::Summator:
        return summatorView(press, state, canvas, decimalSeparator, progress);
    }
    return {};
}

} // namespace views
