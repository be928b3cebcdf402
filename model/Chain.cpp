// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Chain.h"

#include "model/Fault.h"
#include "model/Temperatures.h"

#include <cmath>

namespace model {

std::vector<SwitchRun> switchRuns(int samples) {
    std::vector<SwitchRun> runs;
    std::int16_t switchPhase = 0;
    for (int i = 1; i <= samples; ++i) {
        const SwitchInput input = advanceSwitchPhase(switchPhase);
        if (runs.empty() || runs.back().input != input)
            runs.push_back({i, i, input});
        else
            runs.back().to = i;
    }
    return runs;
}

SwitchInput switchStep(ReceiverState& state, int i, std::int16_t& switchPhase,
                       const InputTemperatures& temperatures) {
    const SwitchInput input = advanceSwitchPhase(switchPhase);
    const auto index = static_cast<std::int16_t>(i);
    state.switchWave[i] = input == SwitchInput::First
                              ? input1Sample(state, index, temperatures.ta1)
                              : input2Sample(state, index, temperatures.ta2);
    return input;
}

SwitchInput switchStep(ReceiverState& state, int i, std::int16_t& switchPhase,
                       const InputTemperatures& temperatures, double noise) {
    const SwitchInput input = advanceSwitchPhase(switchPhase);
    state.switchWave[i] =
        noise * (input == SwitchInput::First ? temperatures.ta1 : temperatures.ta2);
    return input;
}

void summatorUhfStep(ReceiverState& state, int i, const AmplifierSettings& amp) {
    const double xi1 = nextNoise1(state);
    const double xi2 = nextNoise2(state);
    state.uhfWave[i] = summatorUhfOutput(state.switchWave[i], xi1, xi2, amp);
}

void uhfStep(ReceiverState& state, int i, const AmplifierSettings& amp) {
    const double xi1 = nextNoise1(state);
    const double xi2 = nextNoise2(state);
    state.uhfWave[i] = uhfOutput(state.switchWave[i], xi1, xi2, amp);
}

double adcLevels(double wordLength) {
    const double whole = std::round(wordLength);
    const double fraction = wordLength - whole; // exact, in [−1/2, 1/2]
    double power = 1;
    if (fraction != 0) {
        // e^x with x = f·ln 2, |x| < 0.35, by Horner's rule over 18 terms of its series.
        const double x = fraction * 0.6931471805599453;
        for (int k = 18; k >= 1; --k)
            power = 1 + x / k * power;
    }
    if (!(std::fabs(whole) < 4096))
        return whole > 0 ? HUGE_VAL : 0; // far beyond any word length the press accepts
    return std::ldexp(power, static_cast<int>(whole));
}

void checkWordLength(double wordLength, const std::string& typed) {
    if (!(wordLength >= kShortestWordLength && wordLength <= kLongestWordLength))
        fail(FaultKind::WordLengthOutOfRange, {Quantity::WordLength}, typed);
}

void clearChain(ReceiverState& state, int last) {
    for (int c = 1; c <= last; ++c) {
        state.uhfWave[c] = 0;
        state.detectorWave[c] = 0;
        state.filter1Wave[c] = 0;
        state.switchWave[c] = 0;
        state.capacitorWave[c] = 0;
        state.filter2Wave[c] = 0;
        state.adcWave[c] = 0;
    }
}

} // namespace model
