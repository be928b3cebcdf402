// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Temperatures.h"

namespace model {

double antennaTemperature(double brightness, float sideLobeFraction,
                          std::int16_t sideLobeTemperature) {
    const float mainShare = 1.0f - sideLobeFraction; // 1 − β, formed in 32 bits
    // Tsl·β: both 32-bit, so the product is formed (and rounded) in 32 bits too.
    const float sideLobe = sideLobeProduct(sideLobeFraction, sideLobeTemperature);
    return static_cast<double>(mainShare) * brightness * kAntennaEfficiency +
           static_cast<double>(sideLobe) * kAntennaEfficiency + kAntennaOwnNoise;
}

float sideLobeProduct(float sideLobeFraction, std::int16_t sideLobeTemperature) {
    return static_cast<float>(sideLobeTemperature) * sideLobeFraction;
}

double antennaTemperature1(const ReceiverState& state, Scene scene, double t1) {
    const double brightness = scene == Scene::PointTarget ? state.beamTemperature : t1;
    return antennaTemperature(brightness, state.sideLobeFraction, state.sideLobeTemperature);
}

double antennaTemperature2(const ReceiverState& state, Scene scene, double t2) {
    if (scene == Scene::ExtendedTarget)
        return t2; // the noise equivalent's own temperature
    return antennaTemperature(t2, state.sideLobeFraction, state.sideLobeTemperature);
}

double input1Sample(ReceiverState& state, std::int16_t /*index*/, double ta1) {
    const double noise = nextNoise1(state); // the noise first, then the temperature
    return noise * ta1;
}

double input2Sample(ReceiverState& state, std::int16_t /*index*/, double ta2) {
    const double noise = nextNoise1(state);
    return noise * ta2;
}

} // namespace model
