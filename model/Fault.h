// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Why the model cannot go on: a kind and the inputs involved, never a sentence. The views
// turn a fault into the window's Russian message (views/Messages).

#include "model/Quantity.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace model {

enum class FaultKind {
    // A field's text is not a number the receiver can use.
    EmptyText,        // nothing but blanks
    NotANumber,       // letters, stray signs, "inf", "nan", hexadecimal...
    GroupSeparator,   // "1 000": a blank inside the number
    TwoSeparators,    // "1,2,3"
    NumberOutOfRange, // beyond a 64-bit float: "1e999"
    NotInt16,         // not a whole number in −32768..32767 after rounding (Tsl)
    NotFloat32,       // beyond a 32-bit float (β)
    // The point target.
    ZeroHeight,
    ZeroFrequency,
    NegativeArea,
    BeamTooNarrow,         // the beam's solid angle comes out as 0
    PointTargetNotFinite,  // a solid angle, the beam temperature or the range overflows
    NegativeTimeBandwidth, // τ·Δf < 0 under the square root
    Ta1IsMinus100,         // Ta1 + 100 = 0 divides the range by zero
    NegativeRangeRadicand, // a negative number under the range's square root
    // The press.
    SamplingRateNotChosen,
    AccumulationTooShort, // below kShortestAccumulation
    AccumulationTooLong,  // above kLongestAccumulation
    WordLengthOutOfRange, // outside kShortestWordLength..kLongestWordLength
    // The computation.
    SignalNotFinite,        // overflow or a diverging filter somewhere along the chain
    ZeroAdcRange,           // every two-section filter output is 0
    ZeroMeasuredDifference, // the real sensitivity would divide by zero
    ResultNotFinite,        // a result overflows
    // The calibrated receiver's inputs: numbers without a physical meaning there.
    Negative,           // a temperature or the gain instability below 0
    NotPositive,        // the bandwidth, the gain or a cut-off not above 0
    WordLengthNotWhole, // the ADC's word length not a whole number of bits from 1 to 1023
};

struct Fault {
    FaultKind kind = FaultKind::NotANumber;
    std::vector<Quantity> quantities; // the inputs to check, in the order to name them
    std::string text;                 // what was typed, for a fault of one field's text
    std::optional<Result> result;     // the result that could not be computed
};

// Thrown by the model for any fault; what() is a short English note for a debugger, the
// window never shows it.
class ModelError : public std::runtime_error {
public:
    explicit ModelError(Fault fault);
    const Fault& fault() const { return fault_; }

private:
    Fault fault_;
};

[[noreturn]] void fail(FaultKind kind, std::vector<Quantity> quantities, std::string text = {});

} // namespace model
