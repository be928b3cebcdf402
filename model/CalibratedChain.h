// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The calibrated receiver behind its detector: the single-section RC filter (cut-off F1),
// the coupling capacitor (an RC high-pass at 10 Hz, far below the 1 kHz modulation;
// bypassed in total power, where the level is the measurement), the two-section RC filter
// (two sections of cut-off F2) and the ADC (2ⁿ levels over a full scale matched to the
// receiver's output). Every RC section is sampled exactly at 0.2 µs: y ← e^(−2πFΔt)·y +
// (1 − e^(−2πFΔt))·x, stable for every cut-off.
//
// The receiver runs continuously: each press starts from the filters' settled noise-free
// state for its temperatures, and the filters carry their state from period to period.
// Since the filters are linear, a period's output is its response from rest plus the
// response of the state it starts in: the first can be computed for every period at once,
// on every core; the second is a few products per summed sample, added in period order.
//
// The summator is calibrated from the chain's own noise-free response: modulated, to a
// 1 K difference of the inputs; total power, to 1 K on input 1 (with the nominal Kp), so
// that neither the cut-offs nor the capacitor bias the reading.

#include "model/CalibratedInputs.h"
#include "model/CalibratedNoise.h"
#include "model/Chain.h"

#include <array>
#include <cmath>
#include <vector>

namespace model {

inline constexpr double kDetectorConstant = 1e-3; // the detector's output, V per K at its input
inline constexpr double kCouplingCutoff = 10;     // the coupling capacitor's RC cut-off, Hz

// The filters' state: filter 1, the capacitor, filter 2's first and second sections.
inline constexpr int kFilterStates = 4;
using FilterState = std::array<double, kFilterStates>;

struct FilterCoefficients {
    double take1 = 0, keep1 = 0; // filter 1: 1 − e^(−2πF1Δt) and e^(−2πF1Δt)
    double capacitor = 0;        // e^(−2π·10 Hz·Δt)
    bool bypass = false;         // total power: no capacitor
    double take2 = 0, keep2 = 0; // each section of filter 2
};
FilterCoefficients filterCoefficients(const CalibratedInputs& inputs);

// One sample x through the filters; the state moves on, filter 2's output is state[3].
template <bool Bypass>
inline void filterStep(const FilterCoefficients& k, double x, double& y1, double& yc, double& y2a,
                       double& y2b) {
    const double previous = y1;
    y1 = k.keep1 * y1 + k.take1 * x;
    yc = Bypass ? y1 : k.capacitor * (yc + (y1 - previous));
    y2a = k.keep2 * y2a + k.take2 * yc;
    y2b = k.keep2 * y2b + k.take2 * y2a;
}
inline void filterStep(const FilterCoefficients& k, double x, FilterState& s) {
    if (k.bypass)
        filterStep<true>(k, x, s[0], s[1], s[2], s[3]);
    else
        filterStep<false>(k, x, s[0], s[1], s[2], s[3]);
}

// The converter: 2ⁿ levels over [low, low + 2ⁿ·step), each read at its middle; beyond the
// full scale it saturates.
struct AdcScale {
    double low = 0;
    double step = 0;
    double inverseStep = 0; // 0 for a full scale of 0: every sample reads `low`
    double levels = 0;      // 2ⁿ
};
inline double calibratedAdcOutput(double v, const AdcScale& adc) {
    double code = std::floor((v - adc.low) * adc.inverseStep);
    code = code < 0 ? 0 : code;
    code = code > adc.levels - 1 ? adc.levels - 1 : code;
    return adc.low + (code + 0.5) * adc.step;
}

class CalibratedChain {
public:
    // The inputs are checked (checkCalibratedInputs); a ModelError (ZeroAdcRange, naming
    // the cut-offs) when the filters pass nothing of the 1 K response.
    explicit CalibratedChain(const CalibratedInputs& inputs);

    const CalibratedInputs& inputs() const { return inputs_; }
    const FilterCoefficients& coefficients() const { return coefficients_; }
    const DetectorLaw& law() const { return law_; }
    const GainDrift& drift() const { return drift_; }
    const AdcScale& adc() const { return adc_; }

    // The input the switch connects at sample i (1..5000) of a period.
    SwitchInput inputAt(int i) const;
    // The detector's mean output on an input with the nominal gain: c·Kp·(T + Tprm), V.
    double level(SwitchInput input) const;

    // The summed sample positions: the first window's, then the second's.
    const std::vector<int>& positions() const { return positions_; }
    int countA() const { return countA_; }
    int countAll() const { return static_cast<int>(positions_.size()); }

    // The state a period leaves when it starts in `start` with no input: Φ·start.
    FilterState carried(const FilterState& start) const;
    // Filter 2's output at summed position p from the unit state j, no input.
    double stateResponse(std::size_t p, int j) const {
        return stateResponse_[p * kFilterStates + static_cast<std::size_t>(j)];
    }
    // The settled noise-free state at the start of a period, with the nominal gain.
    const FilterState& settledState() const { return settled_; }
    // Filter 2's noise-free settled output over a period (index i − 1 for sample i).
    const std::vector<double>& settledOutput() const { return settledOutput_; }
    // The rms of the detector's noise at filter 2's output, V, on the louder input.
    double noiseAtFilter2() const { return noiseAtFilter2_; }

    // A period's reading in kelvin from its two sums of converter samples.
    double reading(double sumA, double sumB) const;

    // One period from `start`: the detector's samples x (index i − 1 for sample i) through
    // the filters; the outputs are written where a pointer is given; the state moves on.
    void runPeriod(FilterState& state, const double* x, double* filter1, double* capacitor,
                   double* filter2) const;

private:
    FilterState settledFor(const std::vector<double>& x) const;

    CalibratedInputs inputs_;
    FilterCoefficients coefficients_;
    DetectorLaw law_;
    GainDrift drift_;
    std::vector<int> positions_;
    int countA_ = 0;
    std::array<FilterState, kFilterStates> transition_{}; // Φ's columns
    std::vector<double> stateResponse_;                   // positions × states
    FilterState settled_{};
    std::vector<double> settledOutput_;
    double noiseAtFilter2_ = 0;
    double calibration_ = 0; // kelvin per unit of sumA − sumB, or of the mean level
    AdcScale adc_;
};

} // namespace model
