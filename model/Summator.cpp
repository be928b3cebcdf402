// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Summator.h"

#include "model/Fault.h"
#include "model/Radiometer.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {
constexpr int kDrawsPerSample = 3; // input sample, ξ1 (generator 1), ξ2 (generator 2)
constexpr int kNoisePerPass = kDrawsPerSample * kSamplesPerPeriod;

// The two element-wise stages of a period are compiled for the baseline processor and
// for AVX2 and AVX-512, chosen at run time. Every operation is correctly rounded and
// nothing is contracted into fused multiply-adds, so all three give the same numbers.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) &&                             \
    !defined(__SANITIZE_ADDRESS__)
#define VELTRUM_VECTOR_CLONES __attribute__((target_clones("default", "avx2", "avx512f")))
#else
#define VELTRUM_VECTOR_CLONES
#endif

// Switch, amplifier and detector for samples from..to, all on one input.
VELTRUM_VECTOR_CLONES
void frontEnd(const double* noise, double* switchWave, double* uhfWave, double* detectorWave,
              int from, int to, double temperature, AmplifierSettings amp) {
    for (int i = from; i <= to; ++i) {
        const double* draw = noise + kDrawsPerSample * (i - 1);
        const double input = draw[0] * temperature; // the switch: a noisy input sample
        switchWave[i] = input;
        const double uhf = summatorUhfOutput(input, draw[1], draw[2], amp);
        uhfWave[i] = uhf;
        detectorWave[i] = summatorDetectorOutput(uhf);
    }
}

VELTRUM_VECTOR_CLONES
void quantise(const double* filter2Wave, double* adcWave, int from, int to, double levels,
              double range) {
    for (int i = from; i <= to; ++i)
        adcWave[i] = adcOutput(filter2Wave[i], levels, range);
}
} // namespace

SummationWindows summationWindows(int samplingStep) {
    SummationWindows windows;
    std::int16_t j = 0;
    for (int k = 1; k <= kSamplesPerPeriod; k += samplingStep) {
        j = static_cast<std::int16_t>(j + samplingStep);
        if (j >= 500 && j <= 2500)
            windows.first.push_back(k);
        else if (j >= 3000 && j <= 5000)
            windows.second.push_back(k);
    }
    return windows;
}

double summatorReading(double sumA, double sumB, int countAll) {
    return 1e-3 * ((sumA - sumB) * 1.85115) * 862.225 / countAll;
}

void checkAccumulation(double accumulationMs, const std::string& typed) {
    if (!(accumulationMs >= kShortestAccumulation))
        fail(FaultKind::AccumulationTooShort, {Quantity::Accumulation}, typed);
    if (accumulationMs > kLongestAccumulation)
        fail(FaultKind::AccumulationTooLong, {Quantity::Accumulation}, typed);
}

SummatorResults summatorResults(const SummatorStatistics& statistics, double receiverNoise,
                                double t1, double t2, double accumulationMs,
                                const InputTemperatures& temperatures) {
    SummatorResults results;
    const double spread = statistics.spreadOfMean();
    results.measuredDifference = statistics.mean();
    if (results.measuredDifference == 0)
        fail(FaultKind::ZeroMeasuredDifference, {});
    const double tsys = systemTemperature(receiverNoise, t1);
    results.realSensitivity = realSensitivity(tsys, spread, results.measuredDifference);
    results.potentialSensitivity = potentialSensitivity(tsys, accumulationMs);
    results.brightnessDifference = std::fabs(t1 - t2);
    results.ta2 = temperatures.ta2;
    results.ta1 = temperatures.ta1;
    results.antennaDifference = std::fabs(results.ta1 - results.ta2);
    return results;
}

double SummatorStatistics::spreadOfMean() const {
    const double variance = sumX2 - sumX * sumX / passes;
    return std::sqrt(std::max(variance, 0.0)) / passes;
}

Summator::Summator(const SummatorSettings& settings)
    : settings_(settings), filter1Coefficient_(filter1Coefficient(settings.f1)),
      filter2Coefficient_(filter2Coefficient(settings.f2)),
      adcLevels_(adcLevels(settings.wordLength)), windows_(summationWindows(settings.samplingStep)),
      noise_(kNoisePerPass), buffer_(kSummatorBufferLast + 1, 0.0) {}

// Switch, amplifier and detector for samples 1..5000. The period's noise is drawn in one
// block, in the order the chain consumes it: per sample generator 1 for the input,
// generator 1 for ξ1, generator 2 for ξ2.
void Summator::runFrontEnd(ReceiverState& state) {
    const std::uint64_t first = state.uniform.position();
    drawNoiseBlock(state.uniform, noise_.data(), noise_.size());
    // The generators remember the raw sample of their last draw.
    const std::uint64_t lastSample = first + 2ull * kDrawsPerSample * (kSamplesPerPeriod - 1);
    state.lastNoise1 = rawGaussianAt(state.uniform.seed(), lastSample + 2);
    state.lastNoise2 = rawGaussianAt(state.uniform.seed(), lastSample + 4);

    const double* noise = noise_.data();
    const AmplifierSettings amp = settings_.amplifier;
    frontEnd(noise, state.switchWave.data(), state.uhfWave.data(), state.detectorWave.data(), 1,
             kHalfPeriod, settings_.temperatures.ta1, amp);
    frontEnd(noise, state.switchWave.data(), state.uhfWave.data(), state.detectorWave.data(),
             kHalfPeriod + 1, kSamplesPerPeriod, settings_.temperatures.ta2, amp);
}

// The single-section filter with the record sum, the coupling capacitor and the
// two-section filter with its running extremes; returns the ADC range.
double Summator::runFilters(ReceiverState& state) {
    const double a = filter1Coefficient_;
    state.filter1Wave[1] = 0; // the filter starts from rest in every period
    double filter1Sum = 0;
    for (int i = 1; i <= kSamplesPerPeriod; ++i) {
        filter1Step(state, i, a);
        filter1Sum += state.filter1Wave[i];
    }

    // The capacitor output of the next sample is not known yet when the two-section
    // filter takes its input: it still holds the 0 of the period's clearing.
    std::fill(state.capacitorWave.begin() + 1, state.capacitorWave.begin() + kSamplesPerPeriod + 1,
              0.0);
    state.filter2Wave[1] = 0;
    state.filter2Wave[2] = 0;
    const double b = filter2Coefficient_;
    double f2max = f2max_;
    double f2min = f2min_;
    for (int i = 1; i <= kSamplesPerPeriod; ++i) {
        capacitorStep(state, i, filter1Sum, kSamplesPerPeriod);
        filter2Step(state, i, b);
        const double f2 = state.filter2Wave[i];
        f2max = f2max < f2 ? f2 : f2max;
        f2min = f2min > f2 ? f2 : f2min;
    }
    f2max_ = f2max;
    f2min_ = f2min;
    return f2max - f2min;
}

void Summator::runAdc(ReceiverState& state, double range, bool wholeRecord) const {
    const double levels = adcLevels_;
    if (wholeRecord || settings_.samplingStep < 10) {
        quantise(state.filter2Wave.data(), state.adcWave.data(), 1, kSamplesPerPeriod, levels,
                 range);
        return;
    }
    for (const auto* positions : {&windows_.first, &windows_.second})
        for (const int k : *positions)
            adcStep(state, k, levels, range);
}

double Summator::runPass(ReceiverState& state, bool wholeRecord) {
    runFrontEnd(state);
    const double range = runFilters(state);
    if (!std::isfinite(range))
        fail(FaultKind::SignalNotFinite, {});
    if (range == 0)
        fail(FaultKind::ZeroAdcRange, {Quantity::Cutoff1, Quantity::Cutoff2});
    runAdc(state, range, wholeRecord);

    const double* adcWave = state.adcWave.data();
    double sumA = 0;
    double sumB = 0;
    int countA = 0;
    for (const int k : windows_.first) {
        sumA += adcWave[k];
        buffer_[++countA] = adcWave[k];
    }
    for (const int k : windows_.second)
        sumB += adcWave[k];
    const double reading = summatorReading(sumA, sumB, windows_.countAll());
    if (!std::isfinite(reading))
        fail(FaultKind::SignalNotFinite, {});
    return reading;
}

} // namespace model
