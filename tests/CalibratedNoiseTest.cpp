// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CalibratedNoise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using model::kCalibratedUniformsPerPeriod;
using model::kNoiseSeed;

struct Moments {
    double mean = 0, variance = 0, skewness = 0, smallest = 0;
    double count = 0;
};

Moments momentsOf(const std::vector<double>& x) {
    Moments m;
    m.count = static_cast<double>(x.size());
    for (const double v : x)
        m.mean += v;
    m.mean /= m.count;
    double second = 0, third = 0;
    for (const double v : x) {
        const double d = v - m.mean;
        second += d * d;
        third += d * d * d;
    }
    m.variance = second / (m.count - 1);
    m.skewness = third / m.count / std::pow(second / m.count, 1.5);
    m.smallest = *std::min_element(x.begin(), x.end());
    return m;
}

// The relative powers of `periods` successive periods of the stream.
std::vector<double>
relativePowers(double bandwidth, int periods,
               const model::NoiseKernel& kernel = model::selectedNoiseKernel()) {
    const model::DetectorLaw law = model::detectorLaw(bandwidth);
    std::vector<double> powers(static_cast<std::size_t>(periods) * model::kSamplesPerPeriod);
    for (int k = 0; k < periods; ++k)
        model::fillRelativePowers(kernel, law, kNoiseSeed, kCalibratedUniformsPerPeriod * k,
                                  powers.data() +
                                      static_cast<std::size_t>(k) * model::kSamplesPerPeriod);
    return powers;
}

TEST(CalibratedNoise, TheDetectorsLawHasMeanOneAndSpreadOneOverRootOfTheBandSamples) {
    // Δf in MHz; k = Δf·0.2 µs; below k = 100 the exact gamma law.
    struct Case {
        double bandwidth;
        bool gamma;
    };
    const Case cases[] = {{1, true},   {2.5, true}, {5, true},    {15, true},
                          {100, true}, {450, true}, {900, false}, {10000, false}};
    for (const Case& c : cases) {
        const double k = c.bandwidth * 0.2;
        EXPECT_EQ(model::detectorLaw(c.bandwidth).gammaLaw, c.gamma) << "Δf " << c.bandwidth;
        const Moments m = momentsOf(relativePowers(c.bandwidth, 40));
        // Four standard errors: the mean's, the variance's (with the gamma law's kurtosis
        // 6/k) and, from k = 1 on, the skewness's.
        EXPECT_NEAR(m.mean, 1, 4 / std::sqrt(k * m.count)) << "Δf " << c.bandwidth;
        EXPECT_NEAR(m.variance * k, 1, 4 * std::sqrt((2 + 6 / k) / m.count))
            << "Δf " << c.bandwidth;
        if (k >= 1) {
            EXPECT_NEAR(m.skewness, c.gamma ? 2 / std::sqrt(k) : 0, 0.1) << "Δf " << c.bandwidth;
        }
        if (c.gamma) {
            EXPECT_GE(m.smallest, 0) << "Δf " << c.bandwidth;
        }
    }
}

TEST(CalibratedNoise, EveryKernelGivesTheSameBitsForBothLaws) {
    for (const double bandwidth : {3.0, 900.0}) {
        const std::vector<double> reference = relativePowers(bandwidth, 2);
        for (const model::NoiseKernel& kernel : model::noiseKernels())
            if (kernel.supported) {
                EXPECT_EQ(relativePowers(bandwidth, 2, kernel), reference) << kernel.name;
            }
    }
}

TEST(CalibratedNoise, RescaledGeneratorOutputsHaveUnitVariance) {
    const std::size_t n = 400000;
    std::vector<double> x(n);
    model::selectedNoiseKernel().fill(kNoiseSeed, 0, x.data(), n);
    for (double& v : x)
        v *= model::unitGaussianScale();
    Moments m = momentsOf(x);
    EXPECT_NEAR(m.mean, 0, 4 / std::sqrt(double(n)));
    EXPECT_NEAR(m.variance, 1, 4 * std::sqrt(2.0 / n));
    std::vector<double> points(model::kSamplesPerPeriod * 80);
    for (int k = 0; k < 80; ++k)
        model::fillBandPoints(model::selectedNoiseKernel(), model::BandPoint::ReceiverNoise,
                              kNoiseSeed, kCalibratedUniformsPerPeriod * k,
                              points.data() + k * model::kSamplesPerPeriod);
    m = momentsOf(points);
    EXPECT_NEAR(m.variance, 1, 4 * std::sqrt(2.0 / points.size()));
}

TEST(CalibratedNoise, TheGainDriftIsStationaryWithACorrelationTimeOfOneSecond) {
    const model::GainDrift drift = model::gainDrift(1);
    EXPECT_DOUBLE_EQ(drift.rms, 0.01);
    EXPECT_NEAR(drift.keep, std::exp(-1e-3), 1e-16);
    EXPECT_NEAR(drift.keep * drift.keep * 1e-4 + drift.innovation * drift.innovation, 1e-4, 1e-19);
    // Presses of 1000 periods from their stationary start: δ spreads by its rms at the
    // start and at the end, and the two are correlated by e^(−1 s / 1 s).
    const int presses = 3000;
    std::vector<double> first(presses), last(presses);
    for (int p = 0; p < presses; ++p) {
        const std::uint64_t press =
            static_cast<std::uint64_t>(p) * 1001 * kCalibratedUniformsPerPeriod;
        double delta = drift.start(model::driftDraw(kNoiseSeed, press));
        first[p] = delta;
        for (int k = 1; k <= 1000; ++k)
            delta = drift.next(
                delta, model::driftDraw(kNoiseSeed, press + kCalibratedUniformsPerPeriod * k));
        last[p] = delta;
    }
    const Moments a = momentsOf(first);
    const Moments b = momentsOf(last);
    const double tolerance = 4 * std::sqrt(2.0 / presses);
    EXPECT_NEAR(std::sqrt(a.variance) / drift.rms, 1, tolerance);
    EXPECT_NEAR(std::sqrt(b.variance) / drift.rms, 1, tolerance);
    double covariance = 0;
    for (int p = 0; p < presses; ++p)
        covariance += (first[p] - a.mean) * (last[p] - b.mean);
    const double correlation = covariance / (presses - 1) / std::sqrt(a.variance * b.variance);
    EXPECT_NEAR(correlation, std::exp(-1.0), 4 * (1 - std::exp(-2.0)) / std::sqrt(double(presses)));
}

} // namespace
