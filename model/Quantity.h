// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The receiver's inputs and results, named by what they mean. The window shows them in
// its fields and labels; the model names them in its faults and returns them by these
// names, and only the views know the captions and only the window the controls.

namespace model {

// What the student types (or chooses) for the scene and the receiver.
enum class Quantity {
    FlightHeight,        // H, km
    TargetArea,          // S, m²
    Frequency,           // F, GHz
    Temperature2,        // T2, K: the noise equivalent, the background or the second target
    Temperature1,        // T1, K: the brightness temperature within the main beam
    Bandwidth,           // Δf, MHz
    Gain,                // Kp of the amplifier
    GainInstability,     // ΔKp/Kp, %
    ReceiverNoise,       // Tprm, K: the receiver's own noise temperature
    Cutoff1,             // F1, Hz: the single-section filter
    Cutoff2,             // F2, Hz: the two-section filter
    WordLength,          // n, bits of the ADC
    Accumulation,        // τ, ms: the summator's accumulation time
    SideLobeFraction,    // β
    SideLobeTemperature, // Tsl, K
    SamplingRate,        // the summator's sampling rate (a position of the list)
};
inline constexpr int kQuantityCount = static_cast<int>(Quantity::SamplingRate) + 1;

// What the views report beside their pictures.
enum class Result {
    ta1,                  // the antenna temperature of input 1, K
    ta2,                  // of input 2, K
    realSensitivity,      // Tsys·σ/m, K
    potentialSensitivity, // 2√2·Tsys/√(Δf·τ), K
    brightnessDifference, // |T1 − T2|, K
    antennaDifference,    // |Ta1 − Ta2|, K
    measuredDifference,   // m, the mean of the summator's readings, K
};
inline constexpr Result kResults[] = {
    Result::ta1,
    Result::ta2,
    Result::realSensitivity,
    Result::potentialSensitivity,
    Result::brightnessDifference,
    Result::antennaDifference,
    Result::measuredDifference,
};

} // namespace model
