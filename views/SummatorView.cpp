// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/SummatorView.h"

#include "model/Numbers.h"
#include "model/Summator.h"
#include "model/Temperatures.h"
#include "views/Fields.h"
#include "views/ViewFrame.h"

#include <cmath>

namespace views {

namespace {

model::SummatorSettings summatorSettings(const Press& press, const model::ReceiverState& state) {
    const PressInputs& in = press.inputs;
    model::SummatorSettings settings;
    settings.temperatures.ta1 = model::antennaTemperature1(state, press.scene, in.t1);
    settings.temperatures.ta2 = model::antennaTemperature2(state, press.scene, in.t2);
    settings.amplifier.tprm = in.tprm;
    settings.amplifier.deltaf = in.deltaf;
    settings.amplifier.deltaKp = in.deltaKp;
    settings.f1 = in.f1;
    settings.f2 = in.f2;
    settings.wordLength = in.n;
    settings.samplingStep = in.samplingStep;
    return settings;
}

std::string chainFields(const Press& press) {
    return quoteFields({caption::kT1, t2Caption(press.scene), caption::kTprm, caption::kDeltaf,
                        caption::kDeltaKp, caption::kF11, caption::kF22, caption::kN});
}

[[noreturn]] void reportFault(const model::SummatorFault& fault, const Press& press) {
    if (fault.kind() == model::SummatorFault::Kind::ZeroAdcRange)
        throw PressError("Все отсчёты на выходе двухзвенного фильтра равны нулю: диапазон АЦП "
                         "равен нулю. Проверьте поля " +
                         quoteFields({caption::kF11, caption::kF22}) + ".");
    throw PressError("Сигнал вышел за пределы представимых чисел (переполнение или "
                     "расходящийся фильтр). Проверьте поля " +
                     chainFields(press) + ".");
}

// The running mean of the samples added to sumA in the last period, plotted against the
// number of samples added, and a magenta line at the final mean.
void drawAccumulation(canvas::Canvas& canvas, const std::vector<double>& buffer, int countA) {
    double bmax = 0;
    double bmin = 0;
    for (int i = 1; i <= countA; ++i) {
        if (bmax < buffer[i])
            bmax = buffer[i];
        if (bmin > buffer[i])
            bmin = buffer[i];
    }
    canvas.setScale(0, toCanvas(bmax), static_cast<float>(countA), toCanvas(bmin));
    canvas.setPosition(0, toCanvas(buffer[1]));
    double sum = buffer[1];
    for (int i = 2; i <= countA; ++i) {
        sum += buffer[i];
        canvas.lineTo(static_cast<float>(i), toCanvas(sum / i));
    }
    const float finalMean = toCanvas(sum / countA);
    canvas.drawLine(0, finalMean, static_cast<float>(countA), finalMean, canvas::kMagenta);
}

std::string number(double value, char decimalSeparator, const std::string& what) {
    if (!std::isfinite(value))
        throw PressError("Не удалось вычислить " + what +
                         ": результат не является конечным числом.");
    return model::formatNumber(value, decimalSeparator);
}

} // namespace

ResultTexts summatorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                         char decimalSeparator, Progress* progress) {
    const PressInputs& in = press.inputs;
    const model::SummatorSettings settings = summatorSettings(press, state);
    model::Summator summator(settings);
    model::SummatorStatistics statistics;

    canvas.clearPicture();
    const double passes = std::floor(in.tint); // one pass per whole millisecond
    for (double pass = 1; pass <= passes; pass += 1) {
        try {
            statistics.add(summator.runPass(state, pass + 1 > passes));
        } catch (const model::SummatorFault& fault) {
            reportFault(fault, press);
        }
        if (progress && !progress->keepGoing(pass, passes))
            throw PressCancelled();
    }
    const int countA = summator.windows().countA();
    drawAccumulation(canvas, summator.buffer(), countA);

    // The statistics divide by the periods actually run; the potential sensitivity is
    // written for the accumulation time as typed.
    const double spread = statistics.spreadOfMean();
    const double measured = statistics.mean();
    if (measured == 0)
        throw PressError("Измеренная разность антенных температур равна нулю: реальную "
                         "чувствительность вычислить нельзя. Проверьте поля " +
                         chainFields(press) + ".");
    const double systemNoise = in.tprm + in.t1 * 0.9;
    const double realSensitivity = systemNoise * spread / measured;
    const double potentialSensitivity =
        systemNoise * 2 * std::sqrt(2.0) / std::sqrt(1e3 * (in.tint * 900));
    const double ta2 = settings.temperatures.ta2;
    const double ta1 = settings.temperatures.ta1;

    ResultTexts texts;
    texts.lblmo = number(realSensitivity, decimalSeparator, "реальную чувствительность");
    texts.lblmo1 = number(potentialSensitivity, decimalSeparator, "потенциальную чувствительность");
    texts.lblEnterT =
        number(std::fabs(in.t1 - in.t2), decimalSeparator, "разность яркостных температур");
    texts.lblEnter = number(std::fabs(ta1 - ta2), decimalSeparator, "разность антенных температур");
    texts.lblexit = number(measured, decimalSeparator, "измеренную разность антенных температур");
    texts.lblTa1 = "Ta1=" + number(ta1, decimalSeparator, "температуру Ta1");
    texts.lblTa2 = "Ta2=" + number(ta2, decimalSeparator, "температуру Ta2");
    return texts;
}

} // namespace views
