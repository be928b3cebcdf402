// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The radiometer's formulas that the summator's readings are compared with: the system
// noise temperature, the potential sensitivity of the radiometer equation and the real
// sensitivity of a measurement, with the constants the receiver's description gives.

namespace model {

// Tsys = Tprm + 0.9·T1: the receiver's own noise and the antenna's share (η = 0.9) of the
// brightness temperature.
double systemTemperature(double receiverNoise, double t1);

// δT = Tsys·2·√2 / √(10³·(τ·900)): the radiometer equation for a modulation radiometer,
// written for Δf = 900 MHz and the accumulation time τ in ms (Δf·τ = 10³·900·τ).
double potentialSensitivity(double systemTemperature, double accumulationMs);

// Tsys·σ/m: the spread σ of the mean reading turned into kelvin by the mean m itself.
double realSensitivity(double systemTemperature, double spreadOfMean, double meanReading);

} // namespace model
