// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/ViewFrame.h"

#include "model/Numbers.h"
#include "model/Temperatures.h"

#include <cmath>
#include <limits>

namespace views {

canvas::Colour firstObjectColour(const model::ReceiverState& state) {
    return {state.obj1Red, state.obj1Green, state.obj1Blue};
}

canvas::Colour secondObjectColour(const model::ReceiverState& state) {
    return {state.obj2Red, state.obj2Green, state.obj2Blue};
}

float toCanvas(double value) {
    constexpr float largest = std::numeric_limits<float>::max();
    if (value > static_cast<double>(largest))
        return largest;
    if (value < -static_cast<double>(largest))
        return -largest;
    return static_cast<float>(value);
}

void openPicture(canvas::Canvas& canvas, const Scale& scale, float referenceY, float startX,
                 float startY) {
    canvas.clearPicture();
    canvas.setScale(scale.left, scale.top, scale.right, scale.bottom);
    canvas.drawLine(scale.left, referenceY, scale.right, referenceY, canvas::kMagenta);
    canvas.setPosition(startX, startY);
}

std::string ta1Label(double ta1, char decimalSeparator) {
    return "Ta1=" + model::formatNumber(ta1, decimalSeparator);
}

std::string ta2Label(double ta2, char decimalSeparator) {
    return "Ta2=" + model::formatNumber(ta2, decimalSeparator);
}

std::string ta1Label(const model::ReceiverState& state, const Press& press, char decimalSeparator) {
    return ta1Label(model::antennaTemperature1(state, press.scene, press.inputs.t1),
                    decimalSeparator);
}

std::string ta2Label(const model::ReceiverState& state, const Press& press, char decimalSeparator) {
    return ta2Label(model::antennaTemperature2(state, press.scene, press.inputs.t2),
                    decimalSeparator);
}

void requireFinite(const double* values, int first, int last, const std::string& fields) {
    for (int i = first; i <= last; ++i) {
        if (!std::isfinite(values[i]))
            throw PressError("Сигнал вышел за пределы представимых чисел (переполнение или "
                             "расходящийся фильтр). Проверьте поля " +
                             fields + ".");
    }
}

} // namespace views
