// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CalibratedStages.h"

#include <algorithm>
#include <cmath>

namespace model {

CalibratedStages calibratedStages(const CalibratedChain& chain, std::uint32_t seed,
                                  std::uint64_t firstUniform, int periods,
                                  const NoiseKernel& kernel) {
    const CalibratedInputs& in = chain.inputs();
    const auto size = static_cast<std::size_t>(kSamplesPerPeriod) * periods + 1;
    CalibratedStages stages;
    for (auto* wave :
         {&stages.input1, &stages.input2, &stages.switched, &stages.amplified, &stages.detected,
          &stages.filter1, &stages.capacitor, &stages.filter2, &stages.adc})
        wave->assign(size, 0.0);
    stages.connected.assign(size, SwitchInput::First);

    std::vector<double> powers(kSamplesPerPeriod), band1(kSamplesPerPeriod),
        band2(kSamplesPerPeriod), receiver(kSamplesPerPeriod);
    const double root1 = std::sqrt(in.ta1);
    const double root2 = std::sqrt(in.ta2);
    const double rootReceiver = std::sqrt(in.tprm);
    double drift = 0;
    FilterState state{};
    for (int k = 0; k < periods; ++k) {
        const std::uint64_t periodFirst =
            firstUniform + kCalibratedUniformsPerPeriod * static_cast<std::uint64_t>(k);
        const double draw = driftDraw(seed, periodFirst);
        if (k == 0) {
            drift = chain.drift().start(draw);
            for (int s = 0; s < kFilterStates; ++s)
                state[s] = chain.settledState()[s] * (1 + drift);
            stages.filter1[0] = state[0];
            stages.capacitor[0] = state[1];
            stages.filter2[0] = state[3];
        } else {
            drift = chain.drift().next(drift, draw);
        }
        const double gain = 1 + drift;
        stages.gain.push_back(gain);
        const double amplitude = std::sqrt(in.gain * std::max(gain, 0.0));
        fillRelativePowers(kernel, chain.law(), seed, periodFirst, powers.data());
        fillBandPoints(kernel, BandPoint::Input1, seed, periodFirst, band1.data());
        fillBandPoints(kernel, BandPoint::Input2, seed, periodFirst, band2.data());
        fillBandPoints(kernel, BandPoint::ReceiverNoise, seed, periodFirst, receiver.data());
        for (int i = 1; i <= kSamplesPerPeriod; ++i) {
            const std::size_t n = static_cast<std::size_t>(kSamplesPerPeriod) * k + i;
            const std::size_t at = i - 1;
            const SwitchInput input = chain.inputAt(i);
            stages.connected[n] = input;
            stages.input1[n] = root1 * band1[at];
            stages.input2[n] = root2 * band2[at];
            stages.switched[n] = input == SwitchInput::First ? stages.input1[n] : stages.input2[n];
            stages.amplified[n] = amplitude * (stages.switched[n] + rootReceiver * receiver[at]);
            stages.detected[n] = gain * (chain.level(input) * powers[at]);
            filterStep(chain.coefficients(), stages.detected[n], state);
            stages.filter1[n] = state[0];
            stages.capacitor[n] = state[1];
            stages.filter2[n] = state[3];
            stages.adc[n] = calibratedAdcOutput(state[3], chain.adc());
        }
    }
    return stages;
}

} // namespace model
