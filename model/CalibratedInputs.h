// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the calibrated receiver is pressed with, and the inputs it refuses: in this
// receiver every number is a physical quantity, so a bandwidth, a gain or a cut-off that is
// not positive, a temperature or an instability below zero, or a word length that is not a
// whole number of bits from 1 on has no meaning.

#include "model/Quantity.h"

#include <cstdint>
#include <functional>
#include <string>

namespace model {

// How the receiver uses its switch: modulated (Dicke), the switch alternating between the
// two inputs every half-period and the summator demodulating synchronously; or total
// power, the switch resting on input 1 and the summator reading the detected level.
enum class Switching { Modulated, TotalPower };

struct CalibratedInputs {
    double ta1 = 0;             // antenna temperature of input 1, K
    double ta2 = 0;             // of input 2, K
    double tprm = 0;            // the receiver's own noise temperature, K
    double bandwidth = 0;       // Δf, MHz
    double gain = 0;            // Kp, the amplifier's power gain
    double gainInstability = 0; // ΔKp/Kp, %: the rms of the slow gain drift
    double cutoff1 = 0;         // F1, Hz: the single-section filter
    double cutoff2 = 0;         // F2, Hz: each section of the two-section filter
    double wordLength = 0;      // n, bits of the ADC
    double accumulation = 0;    // τ, ms: one modulation period per whole millisecond
    int samplingStep = 1;       // the summator takes every s-th sample of the 5 MHz record
    Switching switching = Switching::Modulated;
};

// The text typed for a quantity, for the fault's message; none when not known.
using TypedText = std::function<std::string(Quantity)>;

// The word lengths the converter is built with.
inline constexpr double kCalibratedShortestWord = 1;
inline constexpr double kCalibratedLongestWord = 1023; // 2ⁿ levels still a 64-bit float

// A ModelError naming the field for the first input, in the window's order, that has no
// meaning: a temperature or ΔKp/Kp below 0 (Negative), Δf, Kp or a cut-off not above 0
// (NotPositive), a word length that is not a whole number from 1 to 1023
// (WordLengthNotWhole), an accumulation time outside the press's limits, a sampling step
// that leaves no sample in a window (SamplingRateNotChosen).
void checkCalibratedInputs(const CalibratedInputs& inputs, const TypedText& typed = {});

// A temperature the press reads besides Ta1 and Ta2 (a brightness temperature as typed,
// the side lobes' temperature): a ModelError (Negative) naming it when below 0.
void checkCalibratedTemperature(Quantity quantity, double kelvin, const std::string& typed = {});

// The modulation periods a press runs: one per whole millisecond of the accumulation.
std::int64_t calibratedPeriods(const CalibratedInputs& inputs);

} // namespace model
