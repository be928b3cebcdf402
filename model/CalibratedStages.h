// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The calibrated receiver's signal at the output of every block, sample by sample, over
// the first periods of a press (the block views): the same noise, drift, settled start and
// converter as the summator's press from the same place of the stream.
//
// Units: the RF stages in √K, one point per sample standing for the Δf·0.2 µs samples of
// the band (its square's mean is the noise temperature, times Kp(1 + δ) after the
// amplifier); the detector, filters, capacitor and ADC in volts (c = 1 mV per K at the
// detector's input).

#include "model/CalibratedChain.h"
#include "model/Noise.h"

#include <cstdint>
#include <vector>

namespace model {

// Element i holds sample i (1..samples, samples = 5000·periods); element 0 holds the filters'
// settled state before the first sample, and 0 for the stages before them.
struct CalibratedStages {
    std::vector<double> input1;         // input 1's band point, √K
    std::vector<double> input2;         // input 2's band point, √K
    std::vector<double> switched;       // the connected input's, √K
    std::vector<double> amplified;      // after the UHF amplifier with its own noise, √K
    std::vector<double> detected;       // the detector's output, V
    std::vector<double> filter1;        // the single-section filter's output, V
    std::vector<double> capacitor;      // the coupling capacitor's (filter 1's in total power), V
    std::vector<double> filter2;        // the two-section filter's, V
    std::vector<double> adc;            // the converter's, V
    std::vector<SwitchInput> connected; // the input the switch connects at sample i
    std::vector<double> gain;           // 1 + δ of each period
    int samples() const { return static_cast<int>(detected.size()) - 1; }
};

// The first `periods` periods of the press whose stream starts at `firstUniform`.
CalibratedStages calibratedStages(const CalibratedChain& chain, std::uint32_t seed,
                                  std::uint64_t firstUniform, int periods,
                                  const NoiseKernel& kernel = selectedNoiseKernel());

} // namespace model
