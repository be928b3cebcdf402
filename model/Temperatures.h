// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Temperatures at the two receiver inputs and the noisy input samples.

#include "model/ReceiverState.h"

#include <cstdint>

namespace model {

// η = 0.9 and T0 = 300 K enter as the constants 0.9 and 300·(1 − 0.9).
inline constexpr double kAntennaEfficiency = 0.9;
inline constexpr double kAntennaOwnNoise = 29.999999999999993; // 300·(1 − 0.9) in doubles

// η((1 − β)T + βTsl) + T0(1 − η). 1 − β and Tsl·β are formed in 32 bits (β is a
// 32-bit float and Tsl is turned into one first), everything else in 64 bits.
double antennaTemperature(double brightness, float sideLobeFraction,
                          std::int16_t sideLobeTemperature);
// Tsl·β as the antenna sees it: a 32-bit product.
float sideLobeProduct(float sideLobeFraction, std::int16_t sideLobeTemperature);

// Ta1: the beam temperature in the point-target scene, otherwise t1 (txtT1).
double antennaTemperature1(const ReceiverState& state, Scene scene, double t1);
// Ta2: t2 (txtT2) unchanged for the noise equivalent, otherwise seen through the antenna.
double antennaTemperature2(const ReceiverState& state, Scene scene, double t2);

// The noise part of each input: a fresh sample of generator 1 times the temperature.
// The sample index does not change the result.
double input1Sample(ReceiverState& state, std::int16_t index, double ta1);
double input2Sample(ReceiverState& state, std::int16_t index, double ta2);

} // namespace model
