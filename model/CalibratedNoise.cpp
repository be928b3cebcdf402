// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CalibratedNoise.h"

#include "model/PortableMath.h"

#include <cmath>

namespace model {

namespace {

// The seed of a rejected proposal's next attempt moves on by this step (the golden ratio's
// 32-bit fraction: attempts land on unrelated keys of the stream).
constexpr std::uint32_t kRetrySeedStep = 0x9E3779B9u;
// More attempts than a proposal accepted with probability 0.95 or more ever needs
// (0.05⁶⁴ ≈ 10⁻⁸³); past them the last proposal's value is kept.
constexpr int kMostAttempts = 64;
// The band's points: three streams of their own.
constexpr std::uint32_t kBandSeeds[] = {0x5BD1E995u, 0x27D4EB2Fu, 0x165667B1u};

// 1 − U for the uniform at this place: in [2⁻²⁴, 1], never 0.
float unitInterval(std::uint32_t seed, std::uint64_t index) {
    return 1.0f - uniformAt(seed, index);
}

// Marsaglia and Tsang's gamma variable of shape law.boostedShape, its first proposal's
// Gaussian given; then the boost u^(1/k) when k < 1; divided by k.
double gammaRelativePower(const DetectorLaw& law, std::uint32_t seed, std::uint64_t periodFirst,
                          int index, double firstGaussian) {
    const auto sample = static_cast<std::uint64_t>(index);
    double gaussian = firstGaussian;
    double value = law.mtD;
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        const std::uint32_t attemptSeed =
            seed + static_cast<std::uint32_t>(attempt) * kRetrySeedStep;
        if (attempt > 0)
            gaussian = 2 * rawGaussianAt(attemptSeed, periodFirst + 2 * sample);
        const double root = 1 + law.mtC * gaussian;
        if (!(root > 0))
            continue;
        const double v = root * root * root;
        value = law.mtD * v;
        const float u = unitInterval(attemptSeed, periodFirst + kAcceptanceUniformsAt + sample);
        const double square = gaussian * gaussian;
        if (u < 1 - 0.0331 * (square * square))
            break;
        if (noiseLog(u) < 0.5 * square + law.mtD * (1 - v + portableLog(v)))
            break;
    }
    if (law.shape < 1) {
        // u = 1 − (U1 + U2·2⁻²⁴) in [2⁻⁴⁸, 1]: exact in a double.
        const std::uint64_t at = periodFirst + kBoostUniformsAt + 2 * sample;
        const double u = 1 - (static_cast<double>(uniformAt(seed, at)) +
                              static_cast<double>(uniformAt(seed, at + 1)) * 0x1p-24);
        value *= portableExp(portableLog(u) / law.shape);
    }
    return value / law.shape;
}

} // namespace

double unitGaussianScale() {
    const double rho = noiseCorrelation();
    return 2 / (std::sqrt(1 - rho * rho) + rho);
}

DetectorLaw detectorLaw(double bandwidthMHz) {
    DetectorLaw law;
    law.shape = bandwidthMHz * 0.2; // Δf·10⁶ Hz × 0.2·10⁻⁶ s
    law.gammaLaw = law.shape < kGammaLawBelow;
    law.gaussianScale = unitGaussianScale() / std::sqrt(law.shape);
    law.boostedShape = law.shape < 1 ? law.shape + 1 : law.shape;
    law.mtD = law.boostedShape - 1.0 / 3;
    law.mtC = 1 / std::sqrt(9 * law.mtD);
    return law;
}

void fillRelativePowers(const NoiseKernel& kernel, const DetectorLaw& law, std::uint32_t seed,
                        std::uint64_t periodFirst, double* powers) {
    kernel.fill(seed, periodFirst, powers, kSamplesPerPeriod);
    if (!law.gammaLaw) {
        const double scale = law.gaussianScale;
        for (int i = 0; i < kSamplesPerPeriod; ++i)
            powers[i] = 1 + scale * powers[i];
        return;
    }
    const double unit = unitGaussianScale();
    for (int i = 0; i < kSamplesPerPeriod; ++i)
        powers[i] = gammaRelativePower(law, seed, periodFirst, i, unit * powers[i]);
}

double driftDraw(std::uint32_t seed, std::uint64_t periodFirst) {
    return 2 * rawGaussianAt(seed, periodFirst + kDriftDrawAt);
}

GainDrift gainDrift(double instabilityPercent) {
    GainDrift drift;
    drift.rms = instabilityPercent * 0.01;
    const double step = 1e-3 / kDriftCorrelationSeconds; // one period in correlation times
    drift.keep = portableExp(-step);
    drift.innovation = std::sqrt(-portableExpm1(-2 * step)) * drift.rms;
    return drift;
}

void fillBandPoints(const NoiseKernel& kernel, BandPoint which, std::uint32_t seed,
                    std::uint64_t periodFirst, double* points) {
    kernel.fill(seed ^ kBandSeeds[static_cast<int>(which)], periodFirst, points, kSamplesPerPeriod);
    const double unit = unitGaussianScale();
    for (int i = 0; i < kSamplesPerPeriod; ++i)
        points[i] *= unit;
}

} // namespace model
