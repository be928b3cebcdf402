// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/PeriodKernels.h"

#include "model/ChainNoise.h"

#include <cmath>

namespace model {

namespace {

#if defined(__GNUC__) || defined(__clang__)
#define VELTRUM_PERIOD_INLINE inline __attribute__((always_inline))
#else
#define VELTRUM_PERIOD_INLINE inline
#endif

// Samples from..to, every one on the same input; noise[0] is the
// first draw of sample `from`. The settings come as values and the buffers as restrict
// pointers, so that the loop vectorises.
template <bool Keep>
VELTRUM_PERIOD_INLINE void frontEndRun(const double* __restrict noise,
                                       double* __restrict switchWave, double* __restrict uhfWave,
                                       double* __restrict detectorWave, int from, int to,
                                       double temperature, AmplifierSettings amp) {
    for (int i = from; i <= to; ++i) {
        const double* draw = noise + kChainDraws * (i - from);
        const double input = draw[kInputDraw] * temperature; // the switch's noisy sample
        const double uhf = summatorUhfOutput(input, draw[kXi1Draw], draw[kXi2Draw], amp);
        if (Keep) {
            switchWave[i] = input;
            uhfWave[i] = uhf;
        }
        detectorWave[i] = summatorDetectorFast(uhf);
    }
}

VELTRUM_PERIOD_INLINE void frontEndBody(const double* noise, double* switchWave, double* uhfWave,
                                        double* detectorWave, int from, int to, double temperature,
                                        const AmplifierSettings& amp) {
    if (switchWave && uhfWave)
        frontEndRun<true>(noise, switchWave, uhfWave, detectorWave, from, to, temperature, amp);
    else
        frontEndRun<false>(noise, nullptr, nullptr, detectorWave, from, to, temperature, amp);
}

// The converter's rule for samples 1..5000. With SSE4.1 and later the floor is one
// rounding instruction; the baseline builds it from exact operations (floorExact). Both
// are the exact floor, so both give the same numbers.
template <bool RoundInstruction>
VELTRUM_PERIOD_INLINE void quantiseBody(const double* __restrict filter2Wave,
                                        double* __restrict adcWave, double levels, double range) {
    for (int i = 1; i <= kSamplesPerPeriod; ++i) {
        const double scaled = levels * (filter2Wave[i] / range);
        const double q = RoundInstruction ? std::floor(scaled) : floorExact(scaled);
        adcWave[i] = q / levels * range;
    }
}

void frontEndBaseline(const double* noise, double* switchWave, double* uhfWave,
                      double* detectorWave, int from, int to, double temperature,
                      const AmplifierSettings& amp) {
    frontEndBody(noise, switchWave, uhfWave, detectorWave, from, to, temperature, amp);
}
void quantiseBaseline(const double* filter2Wave, double* adcWave, double levels, double range) {
    quantiseBody<false>(filter2Wave, adcWave, levels, range);
}

#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
#define VELTRUM_PERIOD_X86_KERNELS 1
#if defined(__clang__)
#define VELTRUM_PERIOD_AVX512_TARGET "avx512f"
#else
#define VELTRUM_PERIOD_AVX512_TARGET "avx512f,prefer-vector-width=512"
#endif
__attribute__((target("avx2"))) void frontEndAvx2(const double* noise, double* switchWave,
                                                  double* uhfWave, double* detectorWave, int from,
                                                  int to, double temperature,
                                                  const AmplifierSettings& amp) {
    frontEndBody(noise, switchWave, uhfWave, detectorWave, from, to, temperature, amp);
}
__attribute__((target("avx2"))) void quantiseAvx2(const double* filter2Wave, double* adcWave,
                                                  double levels, double range) {
    quantiseBody<true>(filter2Wave, adcWave, levels, range);
}
__attribute__((target(VELTRUM_PERIOD_AVX512_TARGET))) void
frontEndAvx512(const double* noise, double* switchWave, double* uhfWave, double* detectorWave,
               int from, int to, double temperature, const AmplifierSettings& amp) {
    frontEndBody(noise, switchWave, uhfWave, detectorWave, from, to, temperature, amp);
}
__attribute__((target(VELTRUM_PERIOD_AVX512_TARGET))) void
quantiseAvx512(const double* filter2Wave, double* adcWave, double levels, double range) {
    quantiseBody<true>(filter2Wave, adcWave, levels, range);
}
#else
#define VELTRUM_PERIOD_X86_KERNELS 0
#endif

std::vector<PeriodKernel> buildKernels() {
    static const std::vector<NoiseKernel> noise = noiseKernels();
    std::vector<PeriodKernel> kernels;
    for (const NoiseKernel& kernel : noise) {
        PeriodKernel period{kernel.name, kernel.supported, &kernel, &frontEndBaseline,
                            &quantiseBaseline};
#if VELTRUM_PERIOD_X86_KERNELS
        if (kernel.name == "avx2") {
            period.frontEnd = &frontEndAvx2;
            period.quantise = &quantiseAvx2;
        } else if (kernel.name == "avx512f") {
            period.frontEnd = &frontEndAvx512;
            period.quantise = &quantiseAvx512;
        }
#endif
        kernels.push_back(period);
    }
    return kernels;
}

} // namespace

const std::vector<PeriodKernel>& periodKernels() {
    static const std::vector<PeriodKernel> kernels = buildKernels();
    return kernels;
}

const PeriodKernel& selectedPeriodKernel() {
    static const PeriodKernel* const selected = [] {
        const PeriodKernel* best = &periodKernels().front();
        for (const PeriodKernel& kernel : periodKernels())
            if (kernel.supported)
                best = &kernel; // listed from narrowest to widest
        return best;
    }();
    return *selected;
}

} // namespace model
