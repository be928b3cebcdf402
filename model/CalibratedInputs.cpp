// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CalibratedInputs.h"

#include "model/Chain.h"
#include "model/Fault.h"
#include "model/Summator.h"

#include <cmath>

namespace model {

namespace {

std::string textOf(const TypedText& typed, Quantity quantity) {
    return typed ? typed(quantity) : std::string();
}

void checkNotNegative(Quantity quantity, double value, const TypedText& typed) {
    if (!(value >= 0))
        fail(FaultKind::Negative, {quantity}, textOf(typed, quantity));
}

void checkPositive(Quantity quantity, double value, const TypedText& typed) {
    if (!(value > 0))
        fail(FaultKind::NotPositive, {quantity}, textOf(typed, quantity));
}

bool hasBothWindows(int samplingStep) {
    if (samplingStep < 1 || samplingStep > kSamplesPerPeriod)
        return false;
    const SummationWindows windows = summationWindows(samplingStep);
    return !windows.first.empty() && !windows.second.empty();
}

} // namespace

void checkCalibratedTemperature(Quantity quantity, double kelvin, const std::string& typed) {
    if (!(kelvin >= 0))
        fail(FaultKind::Negative, {quantity}, typed);
}

void checkCalibratedInputs(const CalibratedInputs& in, const TypedText& typed) {
    checkNotNegative(Quantity::Temperature1, in.ta1, typed);
    checkNotNegative(Quantity::Temperature2, in.ta2, typed);
    checkNotNegative(Quantity::ReceiverNoise, in.tprm, typed);
    checkPositive(Quantity::Bandwidth, in.bandwidth, typed);
    checkPositive(Quantity::Gain, in.gain, typed);
    checkNotNegative(Quantity::GainInstability, in.gainInstability, typed);
    checkPositive(Quantity::Cutoff1, in.cutoff1, typed);
    checkPositive(Quantity::Cutoff2, in.cutoff2, typed);
    if (!(in.wordLength >= kCalibratedShortestWord && in.wordLength <= kCalibratedLongestWord &&
          std::floor(in.wordLength) == in.wordLength))
        fail(FaultKind::WordLengthNotWhole, {Quantity::WordLength},
             textOf(typed, Quantity::WordLength));
    checkAccumulation(in.accumulation, textOf(typed, Quantity::Accumulation));
    if (!hasBothWindows(in.samplingStep))
        fail(FaultKind::SamplingRateNotChosen, {Quantity::SamplingRate});
}

std::int64_t calibratedPeriods(const CalibratedInputs& inputs) {
    return static_cast<std::int64_t>(std::floor(inputs.accumulation));
}

} // namespace model
