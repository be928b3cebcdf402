// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The summator's work on one modulation period that vector instructions speed up: the
// front end (switch, amplifier, detector) and the converter. Compiled for the baseline
// x86-64 processor, AVX2 and AVX-512, chosen at run time; every operation is correctly
// rounded and nothing is contracted, so every kernel gives the same numbers.

#include "model/Chain.h"
#include "model/Noise.h"

#include <string>
#include <vector>

namespace model {

struct PeriodKernel {
    std::string name; // "sse2", "avx2", "avx512f" (elsewhere "baseline")
    bool supported;   // the processor can run it
    const NoiseKernel* noise;
    // Switch, summator amplifier and detector for samples from..to of a period (1-based),
    // all on one input of this temperature, from their noise (kChainDraws a sample,
    // model/ChainNoise.h; noise[0] is sample from's first draw). switchWave and uhfWave
    // may be null when they are not kept.
    void (*frontEnd)(const double* noise, double* switchWave, double* uhfWave, double* detectorWave,
                     int from, int to, double temperature, const AmplifierSettings& amp);
    // adcWave[i] for i = 1..5000.
    void (*quantise)(const double* filter2Wave, double* adcWave, double levels, double range);
};

// Narrowest first.
const std::vector<PeriodKernel>& periodKernels();
// The widest the processor runs, chosen once.
const PeriodKernel& selectedPeriodKernel();

} // namespace model
