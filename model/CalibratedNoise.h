// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The random numbers of the calibrated receiver, all from the counter-based uniform
// stream: each modulation period owns a fixed run of the stream, so that any period can
// be computed from its place alone, on any core, in any order.
//
// The detector. The band Δf holds Δf·0.2 µs independent samples in each 0.2 µs sample of
// the record; the square-law detector adds their powers, so its output for one sample is
// the mean power times a gamma variable of shape k = Δf·0.2 µs divided by k (mean 1,
// relative spread 1/√k). Averaged over a time τ it spreads by 1/√(Δf·τ): the radiometer
// equation holds by construction.
//   - k < 100 (Δf below 500 MHz): the exact gamma law, by Marsaglia and Tsang's method
//     (for k < 1 boosted from shape k + 1 by u^(1/k), u of 48 bits: u^(1/k) falls from 1 within
//     about k of u = 1, which a finer grid resolves down to k of about 10⁻¹², Δf of 5 Hz).
//   - k ≥ 100: a Gaussian of the same mean and spread, one draw a sample. Beyond k = 100
//     the two laws differ only in their skewness 2/√k ≤ 0.2, which no sum of samples the
//     summator takes can show, and the Gaussian goes below zero with a probability
//     Φ(−√k) < 10⁻²³; the mean and the spread, which are all the readings depend on, are
//     the same.
//
// The gain drift. ΔKp/Kp is the rms of a Gauss–Markov process δ with a correlation time of
// 1 s: δ starts from its stationary law at each press and moves once per modulation period
// (1 ms, in which it moves by 4.5 % of its rms), δ' = ρ·δ + √(1 − ρ²)·rms·g, ρ = e^(−1 ms/1 s).
//
// One period's run of the stream, from its first uniform:
//   [0, 10000)      the detector's Gaussian draws, two uniforms a sample;
//   [10000, 15000)  the gamma law's acceptance uniforms, one a sample;
//   [15000, 25000)  the gamma law's boost uniforms (k < 1), two a sample;
//   [25000, 25002)  the gain drift's draw.
// A rejected gamma proposal is drawn again from the same places of a stream whose seed is
// moved on by one step per attempt. The band's points of the block views (one point per
// sample standing for the Δf·0.2 µs samples of the band) come from three streams of their
// own seeds, at the period's first 10000 places: they never enter the summator's numbers.

#include "model/Chain.h"
#include "model/Noise.h"

#include <cstdint>

namespace model {

inline constexpr std::uint64_t kCalibratedUniformsPerPeriod = 25002;
inline constexpr std::uint64_t kAcceptanceUniformsAt = 10000;
inline constexpr std::uint64_t kBoostUniformsAt = 15000;
inline constexpr std::uint64_t kDriftDrawAt = 25000;

inline constexpr double kSampleSeconds = 2e-7; // one sample of the record, 0.2 µs
inline constexpr double kGammaLawBelow = 100;  // band samples per record sample

// The detector's law for a bandwidth Δf in MHz.
struct DetectorLaw {
    double shape = 0;         // k = Δf·0.2 µs
    bool gammaLaw = false;    // k < kGammaLawBelow
    double gaussianScale = 0; // a generator output times this is the relative fluctuation
    double boostedShape = 0;  // Marsaglia–Tsang's shape: k, or k + 1 when k < 1
    double mtD = 0;           // its d = shape − 1/3
    double mtC = 0;           // its c = 1/√(9d)
};
DetectorLaw detectorLaw(double bandwidthMHz);

// A generator's output (model/Noise.h) times this is a Gaussian of unit variance: the
// generator's raw sample w has the spread 1/2, and its output is (√(1 − ρ²) + ρ)·w.
double unitGaussianScale();

// The detector's relative powers (mean 1) of samples 1..5000 of the period whose run of
// the stream starts at `periodFirst`: powers[i − 1] for sample i.
void fillRelativePowers(const NoiseKernel& kernel, const DetectorLaw& law, std::uint32_t seed,
                        std::uint64_t periodFirst, double* powers);

// The unit Gaussian that moves the gain drift at the start of the period.
double driftDraw(std::uint32_t seed, std::uint64_t periodFirst);

// The gain drift's law, per modulation period.
struct GainDrift {
    double rms = 0;        // ΔKp/Kp as a fraction
    double keep = 0;       // ρ = e^(−1 ms / 1 s)
    double innovation = 0; // √(1 − ρ²)·rms
    double start(double draw) const { return rms * draw; }
    double next(double drift, double draw) const { return keep * drift + innovation * draw; }
};
inline constexpr double kDriftCorrelationSeconds = 1;
GainDrift gainDrift(double instabilityPercent);

// The band's points of the block views: unit Gaussians for samples 1..5000 of the period.
enum class BandPoint { Input1, Input2, ReceiverNoise };
void fillBandPoints(const NoiseKernel& kernel, BandPoint which, std::uint32_t seed,
                    std::uint64_t periodFirst, double* points);

} // namespace model
