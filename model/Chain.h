// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The per-sample steps of the receiver chain: antenna switch, UHF amplifier, square-law
// detector, single-section filter, coupling capacitor, two-section filter and ADC. The
// block views and the summator run these same steps; the summator has its own
// amplifier and detector rules.
//
// Each step comes as a pure formula (the receiver's arithmetic, grouped as the circuit
// computes it) and, where a view runs it sample by sample, as a step on the window's
// buffers at sample index i.

#include "model/ReceiverState.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace model {

inline constexpr int kSamplesPerPeriod = 5000; // 1 ms at 0.2 µs a sample
inline constexpr int kHalfPeriod = 2500;
inline constexpr int kViewSamples = 10000; // two modulation periods

// Which receiver input the switch has connected.
enum class SwitchInput { First, Second };

// The modulator's rule for the switch: raises the phase counter, connects the first
// input for phases 1..2500 and the second for 2501..5000; past 5000 the counter goes
// back to 0 and the first input is connected (the next sample raises it to 1).
inline SwitchInput advanceSwitchPhase(std::int16_t& switchPhase) {
    ++switchPhase;
    if (switchPhase >= 1 && switchPhase <= kHalfPeriod)
        return SwitchInput::First;
    if (switchPhase > kHalfPeriod && switchPhase <= kSamplesPerPeriod)
        return SwitchInput::Second;
    switchPhase = 0;
    return SwitchInput::First;
}

// The runs of samples 1..samples over which the switch, counting from 0, stays on one
// input: the phase rule above, taken once for whoever works on whole runs.
struct SwitchRun {
    int from;
    int to;
    SwitchInput input;
};
std::vector<SwitchRun> switchRuns(int samples);

// The two input temperatures, fixed for one press.
struct InputTemperatures {
    double ta1 = 0;
    double ta2 = 0;
};

// switchStep: one noisy sample of the connected input (generator 1) into switchWave[i].
SwitchInput switchStep(ReceiverState& state, int i, std::int16_t& switchPhase,
                       const InputTemperatures& temperatures);
// The same with the sample's noise already drawn (model/ChainNoise.h): the generator's
// output, times the connected input's temperature.
SwitchInput switchStep(ReceiverState& state, int i, std::int16_t& switchPhase,
                       const InputTemperatures& temperatures, double noise);

// The amplifier's fields, fixed for one press.
struct AmplifierSettings {
    double tprm = 0;    // receiver noise temperature, K
    double deltaf = 0;  // bandwidth, MHz
    double kp = 0;      // gain (the block view only)
    double deltaKp = 0; // gain instability, %
};

// Kp·Δf·10⁻³·(input + Tprm·ξ1) with the random gain factor 1 + (ΔKp/100)·ξ2.
inline double uhfOutput(double input, double xi1, double xi2, const AmplifierSettings& amp) {
    const double a = amp.tprm * xi1 + input;
    const double b = amp.deltaf * a;
    const double c = amp.kp * b * 0.001;
    return (amp.deltaKp * 0.01 * xi2 + 1) * c;
}

// The summator's amplifier: the fixed factor 0.004 in place of Kp·0.001.
inline double summatorUhfOutput(double input, double xi1, double xi2,
                                const AmplifierSettings& amp) {
    const double u = (amp.tprm * xi1 + input) * 0.004;
    const double v = amp.deltaf * u;
    return (amp.deltaKp * 0.01 * xi2 + 1) * v;
}

// uhfStep: receiver noise ξ1 from generator 1, then ξ2 from generator 2; uhfWave[i].
void uhfStep(ReceiverState& state, int i, const AmplifierSettings& amp);
// The same with ξ1 and ξ2 already drawn.
inline void uhfStep(ReceiverState& state, int i, const AmplifierSettings& amp, double xi1,
                    double xi2) {
    state.uhfWave[i] = uhfOutput(state.switchWave[i], xi1, xi2, amp);
}
// The summator's amplifier on the window's buffers, as the receiver's description gives
// it: ξ1 from generator 1, then ξ2 from generator 2.
void summatorUhfStep(ReceiverState& state, int i, const AmplifierSettings& amp);

// The square-law detector with its fixed offset of 200.
inline double detectorOutput(double uhf) {
    return uhf * uhf + 200;
}
// The summator's detector: sqrt(uhf²) + 200, the magnitude of the amplifier output.
inline double summatorDetectorOutput(double uhf) {
    return std::sqrt(uhf * uhf) + 200;
}
// The same number without the square root, for the summator's hot loop. In binary
// floating point with rounding to nearest, √(x²) is |x| whenever x² neither overflows nor
// underflows; an overflowing x² stays infinite, and where x² underflows, |x| and √(x²) are
// both far below the half unit of 200 that the sum rounds away.
inline double summatorDetectorFast(double uhf) {
    const double square = uhf * uhf;
    const double magnitude = std::fabs(uhf);
    // The select on the bits (x² is +inf exactly when it overflows), so that the loop
    // vectorises without a branch.
    std::uint64_t squareBits;
    std::uint64_t magnitudeBits;
    std::memcpy(&squareBits, &square, sizeof square);
    std::memcpy(&magnitudeBits, &magnitude, sizeof magnitude);
    const std::uint64_t overflow =
        std::uint64_t{0} - static_cast<std::uint64_t>(squareBits == 0x7FF0000000000000u);
    const std::uint64_t bits = (squareBits & overflow) | (magnitudeBits & ~overflow);
    double detected;
    std::memcpy(&detected, &bits, sizeof detected);
    return detected + 200;
}
inline void summatorDetectorStep(ReceiverState& state, int i) {
    state.detectorWave[i] = summatorDetectorOutput(state.uhfWave[i]);
}

inline void detectorStep(ReceiverState& state, int i) {
    state.detectorWave[i] = detectorOutput(state.uhfWave[i]);
}

// Forward-Euler low-pass at 0.2 µs a sample: a = F1·(10⁻⁷·4·3.1415926).
inline double filter1Coefficient(double f1) {
    return f1 * (1e-7 * 4 * 3.1415926);
}

// filter1Step: filter1Wave[i + 1] from filter1Wave[i] and detectorWave[i].
inline void filter1Step(ReceiverState& state, int i, double a) {
    state.filter1Wave[i + 1] = (1 - a) * state.filter1Wave[i] + a * state.detectorWave[i];
}

// The coupling capacitor removes the record's mean: filter1Wave[i] − filter1Sum / N.
inline double capacitorOutput(double filter1, double filter1Sum, double sampleCount) {
    return filter1 - filter1Sum / sampleCount;
}
inline void capacitorStep(ReceiverState& state, int i, double filter1Sum, double sampleCount) {
    state.capacitorWave[i] = capacitorOutput(state.filter1Wave[i], filter1Sum, sampleCount);
}

// Two-section filter: b = (F2·(10⁻⁷·8))·3.1415926.
inline double filter2Coefficient(double f2) {
    return (f2 * (1e-7 * 8)) * 3.1415926;
}
inline double filter2Feedback(double b) {
    return 1 - b + b * b;
}

// filter2Step: filter2Wave[i + 2] from filter2Wave[i + 1], capacitorWave[i] and
// capacitorWave[i + 1] (which the views have not computed yet: it holds the cleared 0).
inline void filter2Step(ReceiverState& state, int i, double b) {
    state.filter2Wave[i + 2] = filter2Feedback(b) * state.filter2Wave[i + 1] +
                               b * (state.capacitorWave[i] + state.capacitorWave[i + 1]);
}

// The largest integer not greater than x, built from rounding-exact operations so that
// it vectorises on every x86-64 processor; equal to std::floor for every double.
inline double floorExact(double x) {
    const double big = 4503599627370496.0; // 2^52: from here on every double is whole
    const double magnitude = std::fabs(x);
    double t = (magnitude + big) - big; // |x| rounded to the nearest whole number
    t = std::copysign(t, x);
    t = t > x ? t - 1 : t;
    return magnitude < big ? t : x; // selects, not branches: the loop stays vectorised
}

// The ADC: levels = 2ⁿ, counted from 0 in steps of range / 2ⁿ, never clipped.
inline double adcOutput(double filter2, double levels, double range) {
    const double q = floorExact(levels * (filter2 / range));
    return q / levels * range;
}
// 2ⁿ: exact for a whole n; for a fractional one 2^⌊n⌋ times the series of 2^(n − ⌊n⌋), built
// from + × ÷ only, so that every build and every C library gives the same bits.
double adcLevels(double wordLength);

// The word lengths whose 2ⁿ levels a 64-bit float holds: from the smallest subnormal
// power 2⁻¹⁰⁷⁴ to the largest power 2¹⁰²³. A ModelError (WordLengthOutOfRange) beyond.
inline constexpr double kShortestWordLength = -1074;
inline constexpr double kLongestWordLength = 1023;
void checkWordLength(double wordLength, const std::string& typed);

inline void adcStep(ReceiverState& state, int i, double levels, double range) {
    state.adcWave[i] = adcOutput(state.filter2Wave[i], levels, range);
}

// Sets elements 1..last of the seven chain buffers to 0, in the order the chain
// clears them (uhf, detector, filter 1, switch, capacitor, filter 2, ADC).
void clearChain(ReceiverState& state, int last);

} // namespace model
