// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/ViewFrame.h"

#include "model/Fault.h"
#include "model/Temperatures.h"
#include "views/Press.h"

#include <cmath>
#include <limits>

namespace views {

model::InputTemperatures inputTemperatures(const Press& press, const model::ReceiverState& state) {
    return {
        model::antennaTemperature1(state, press.scene, press.inputs[model::Quantity::Temperature1]),
        model::antennaTemperature2(state, press.scene,
                                   press.inputs[model::Quantity::Temperature2])};
}

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

void requireFinite(const double* values, int first, int last) {
    for (int i = first; i <= last; ++i)
        if (!std::isfinite(values[i]))
            model::fail(model::FaultKind::SignalNotFinite, {});
}

} // namespace views
