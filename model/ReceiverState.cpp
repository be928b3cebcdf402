// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/ReceiverState.h"

#include "i18n/Translate.h"

namespace model {

void applyStartupDefaults(ReceiverState& state) {
    state.obj1Red = 0;
    state.obj1Green = 255;
    state.obj1Blue = 255;
    state.obj2Red = 255;
    state.obj2Green = 255;
    state.obj2Blue = 0;
    state.sideLobeFraction = 0.0f;
    state.sideLobeTemperature = 0;
    const InputTitles titles = inputTitles(Scene::ExtendedTarget);
    state.input1Title = titles.input1;
    state.input2Title = titles.input2;
}

InputTitles inputTitles(Scene scene) {
    switch (scene) {
    case Scene::PointTarget:
        return {VT_NOOP("Veltrum", "Осциллограмма на выходе антенного устройства: цель"),
                VT_NOOP("Veltrum", "Осциллограмма на выходе антенного устройства: фон")};
    case Scene::Boundary:
        return {VT_NOOP("Veltrum", "Осциллограмма на выходе антенного устройства: цель1"),
                VT_NOOP("Veltrum", "Осциллограмма на выходе антенного устройства: цель2")};
    case Scene::ExtendedTarget:
        break;
    }
    return {VT_NOOP("Veltrum", "Осциллограмма на выходе антенного устройства"),
            VT_NOOP("Veltrum", "Осциллограмма на выходе шумового эквивалента")};
}

namespace {
double nextNoise(UniformSource& source, double& lastNoise) {
    const float uniform1 = source.next();
    const float uniform2 = source.next();
    lastNoise = boxMuller(uniform1, uniform2);
    return generatorOutput(lastNoise);
}
} // namespace

double nextNoise1(ReceiverState& state) {
    return nextNoise(state.uniform, state.lastNoise1);
}
double nextNoise2(ReceiverState& state) {
    return nextNoise(state.uniform, state.lastNoise2);
}

} // namespace model
