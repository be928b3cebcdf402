// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Noise.h"
#include "model/ReceiverState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using model::kNoiseSeed;

constexpr double kOutputGain = 1.0003544279241867; // sqrt(1 - ρ²) + ρ
constexpr std::uint64_t kWrap = std::uint64_t{1} << 32;

// Distance in units of the last place of `reference`.
double ulpDistance(double value, double reference) {
    if (value == reference)
        return 0.0;
    const double magnitude = std::fabs(reference);
    const double ulp =
        std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
    return std::fabs(value - reference) / ulp;
}

// One generator result computed the one-at-a-time way from a source.
double scalarResult(model::UniformSource& source) {
    const float uniform1 = source.next();
    const float uniform2 = source.next();
    return model::generatorOutput(model::boxMuller(uniform1, uniform2));
}

std::vector<double> scalarResults(model::UniformSource source, std::size_t n) {
    std::vector<double> results(n);
    for (double& result : results)
        result = scalarResult(source);
    return results;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

// Index of the first element whose bits differ, or the size when none does.
std::size_t firstDifference(const std::vector<double>& a, const std::vector<double>& b) {
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(double)) != 0)
            return i;
    return std::min(a.size(), b.size());
}

model::UniformSource sourceAt(std::uint64_t position) {
    model::UniformSource source;
    source.skip(position);
    return source;
}

// ---------------------------------------------------------------------------------------
// Logarithm and cosine, every argument the generator can produce

TEST(NoiseLog, WithinOneUlpOfLibraryForEveryU1) {
    double worst = 0.0;
    float worstU1 = 1.0f;
    for (std::uint32_t k = 0; k < (1u << 24); ++k) {
        const float u1 = 1.0f - static_cast<float>(k) * 0x1p-24f;
        const double d = ulpDistance(model::noiseLog(u1), std::log(static_cast<double>(u1)));
        if (d > worst) {
            worst = d;
            worstU1 = u1;
        }
    }
    RecordProperty("max_ulp", std::to_string(worst));
    EXPECT_LE(worst, 1.0) << "worst at u1 = " << worstU1;
}

TEST(NoiseLog, EndsOfTheRange) {
    EXPECT_EQ(model::noiseLog(1.0f), 0.0);
    EXPECT_DOUBLE_EQ(model::noiseLog(0x1p-24f), -24.0 * std::log(2.0));
    EXPECT_DOUBLE_EQ(model::noiseLog(0.5f), -std::log(2.0));
}

TEST(NoiseCos, WithinOneUlpOfLibraryOnTheGrid) {
    double worst = 0.0;
    double worstX = 0.0;
    for (std::uint32_t k = 0; k < (1u << 24); ++k) {
        const float u2 = static_cast<float>(k) * 0x1p-24f;
        const double x = 6.2831852 * static_cast<double>(u2);
        const double value = model::noiseCos(x);
        const double reference = std::cos(x);
        if (std::fabs(value - reference) <= 1e-16 && std::fabs(reference) < 1e-3)
            continue; // near a zero of the cosine an absolute error of 1e-16 will do
        const double d = ulpDistance(value, reference);
        if (d > worst) {
            worst = d;
            worstX = x;
        }
    }
    RecordProperty("max_ulp", std::to_string(worst));
    EXPECT_LE(worst, 1.0) << "worst at x = " << worstX;
}

TEST(NoiseCos, QuadrantPoints) {
    EXPECT_EQ(model::noiseCos(0.0), 1.0);
    EXPECT_NEAR(model::noiseCos(1.5707963267948966), 6.123233995736766e-17, 1e-30);
    EXPECT_NEAR(model::noiseCos(3.141592653589793), -1.0, 1e-16);
    EXPECT_NEAR(model::noiseCos(4.71238898038469), -1.8369701987210297e-16, 1e-30);
    EXPECT_NEAR(model::noiseCos(6.2831852), std::cos(6.2831852), 1.2e-16); // 1 − 5.8e-15
}

// ---------------------------------------------------------------------------------------
// Uniform numbers

void expectOnGrid(float u) {
    ASSERT_GE(u, 0.0f);
    ASSERT_LT(u, 1.0f);
    const float scaled = u * 0x1p24f; // exact for a multiple of 2^-24
    ASSERT_EQ(scaled, std::floor(scaled)) << u;
    ASSERT_NE(1.0f - u, 0.0f);
}

TEST(Uniform, OnTheGridOfTheUnitInterval) {
    for (std::uint64_t i = 0; i < 200000; ++i)
        expectOnGrid(model::uniformAt(kNoiseSeed, i));
    for (std::uint64_t i = kWrap - 1000; i < kWrap + 1000; ++i)
        expectOnGrid(model::uniformAt(kNoiseSeed, i));
    for (std::uint64_t i = 0; i < 1000; ++i)
        expectOnGrid(model::uniformAt(12345u, (std::uint64_t{7} << 40) + i * 977));
}

TEST(Uniform, DeterministicForASeed) {
    for (std::uint64_t i : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{99}, kWrap - 1, kWrap,
                            std::uint64_t{0xFFFFFFFFFFFFFFFFu}}) {
        EXPECT_EQ(model::uniformAt(kNoiseSeed, i), model::uniformAt(kNoiseSeed, i));
    }
    int equal = 0;
    for (std::uint64_t i = 0; i < 1000; ++i)
        equal += model::uniformAt(kNoiseSeed, i) == model::uniformAt(kNoiseSeed + 1, i);
    EXPECT_LT(equal, 5); // another seed is another stream
}

TEST(Uniform, FreshSourcesGiveTheSameSequence) {
    model::UniformSource a;
    model::UniformSource b;
    EXPECT_EQ(a.seed(), kNoiseSeed);
    for (std::uint64_t i = 0; i < 100000; ++i) {
        const float x = a.next();
        ASSERT_EQ(x, b.next());
        ASSERT_EQ(x, model::uniformAt(kNoiseSeed, i));
    }
    EXPECT_EQ(a.position(), 100000u);
    a.skip(5);
    EXPECT_EQ(a.position(), 100005u);
    EXPECT_EQ(a.next(), model::uniformAt(kNoiseSeed, 100005));
}

TEST(Uniform, HighWordOfTheCounterChangesTheStream) {
    int equal = 0;
    for (std::uint64_t i = 0; i < 1000; ++i)
        equal += model::uniformAt(kNoiseSeed, i) == model::uniformAt(kNoiseSeed, kWrap + i);
    EXPECT_LT(equal, 5);
}

TEST(Uniform, ChiSquareOf256Bins) {
    constexpr int kBins = 256;
    constexpr int kCount = 1000000;
    std::array<int, kBins> counts{};
    double sum = 0.0;
    model::UniformSource source;
    for (int i = 0; i < kCount; ++i) {
        const float u = source.next();
        sum += u;
        ++counts[static_cast<int>(u * kBins)];
    }
    const double expected = static_cast<double>(kCount) / kBins;
    double chiSquare = 0.0;
    for (int c : counts)
        chiSquare += (c - expected) * (c - expected) / expected;
    // 255 degrees of freedom: mean 255, standard deviation about 22.6.
    EXPECT_GT(chiSquare, 150.0);
    EXPECT_LT(chiSquare, 400.0);
    // Mean 1/2 - 2^-25, standard error sqrt(1/12 / n).
    EXPECT_NEAR(sum / kCount, 0.5, 5.0 * std::sqrt(1.0 / 12.0 / kCount));
}

// ---------------------------------------------------------------------------------------
// The generators

TEST(Generator, CorrelationCoefficient) {
    const double rho = model::noiseCorrelation();
    EXPECT_NEAR(rho, 0.9999999371681499, 1e-16);
    EXPECT_NEAR(std::sqrt(1.0 - rho * rho), 0.00035449075603681, 1e-15);
    EXPECT_NEAR(std::sqrt(1.0 - rho * rho) + rho, kOutputGain, 1e-15);
}

TEST(Generator, OutputIsTheGainTimesTheFreshSample) {
    auto state = std::make_unique<model::ReceiverState>();
    for (int i = 0; i < 10000; ++i) {
        const double result = model::nextNoise1(*state);
        ASSERT_EQ(result, model::generatorOutput(state->lastNoise1));
        ASSERT_NEAR(result, kOutputGain * state->lastNoise1, 1e-15 * std::fabs(result) + 1e-300);
        const double result2 = model::nextNoise2(*state);
        ASSERT_EQ(result2, model::generatorOutput(state->lastNoise2));
    }
    EXPECT_EQ(state->uniform.position(), 40000u); // two uniforms a call
}

TEST(Generator, FreshStatesGiveTheSameNoise) {
    auto a = std::make_unique<model::ReceiverState>();
    auto b = std::make_unique<model::ReceiverState>();
    model::UniformSource source;
    for (int i = 0; i < 10000; ++i) {
        const double x = model::nextNoise1(*a);
        ASSERT_EQ(x, model::nextNoise1(*b));
        ASSERT_EQ(a->lastNoise1, b->lastNoise1);
        ASSERT_EQ(x, scalarResult(source));
    }
}

TEST(Generator, BoxMullerFromTwoUniforms) {
    // u1 = 1: r = 0.
    EXPECT_EQ(std::fabs(model::boxMuller(0.0f, 0.3f)), 0.0);
    // The largest radius: u1 = 2^-24, r = sqrt(48 ln 2); u2 = 0: cos = 1.
    const float largest = 1.0f - 0x1p-24f;
    const double rMax = std::sqrt(48.0 * std::log(2.0));
    EXPECT_NEAR(model::boxMuller(largest, 0.0f), 0.5 * rMax, 1e-15);
    EXPECT_NEAR(model::boxMuller(largest, 0.5f), 0.5 * rMax * std::cos(6.2831852 * 0.5), 1e-15);
    // A general draw against the library functions.
    const float uniform1 = 0.25f;
    const float uniform2 = 0.125f;
    const double r = std::sqrt(-2.0 * std::log(static_cast<double>(1.0f - uniform1)));
    const double c = std::cos(6.2831852 * static_cast<double>(uniform2));
    EXPECT_NEAR(model::boxMuller(uniform1, uniform2), ((r * 5) * c) * 0.1, 1e-15);
}

// The stream is part of what the program shows: the same presses draw the same curves
// in every run and every build. These are its first numbers.
TEST(Generator, FirstNumbersOfTheStream) {
    model::UniformSource uniforms;
    EXPECT_EQ(uniforms.next(), 0x1.a7fe4p-1f);
    EXPECT_EQ(uniforms.next(), 0x1.3eeb84p-2f);
    EXPECT_EQ(uniforms.next(), 0x1.8bde4cp-2f);
    EXPECT_EQ(uniforms.next(), 0x1.7ca47ap-1f);
    EXPECT_EQ(model::uniformAt(kNoiseSeed, kWrap + 5), 0x1.ca600cp-1f);

    auto state = std::make_unique<model::ReceiverState>();
    EXPECT_EQ(model::nextNoise1(*state), -0x1.69efe4eb5094dp-2);
    EXPECT_EQ(model::nextNoise1(*state), -0x1.4dbae9791c7bep-6);
    EXPECT_EQ(model::nextNoise2(*state), 0x1.5a1ed70f9eacep-1);
    EXPECT_EQ(model::nextNoise1(*state), -0x1.87156ed9d6f7bp-3);
}

TEST(Generator, RawGaussianAtMatchesTheSource) {
    model::UniformSource source = sourceAt(1001);
    const float uniform1 = source.next();
    const float uniform2 = source.next();
    EXPECT_EQ(model::rawGaussianAt(kNoiseSeed, 1001), model::boxMuller(uniform1, uniform2));
}

// ---------------------------------------------------------------------------------------
// Block generation gives the same bits as one draw at a time

TEST(NoiseBlock, SameBitsAsOneAtATime) {
    const std::size_t lengths[] = {0,  1,  2,  3,   5,   7,   8,   9,   15,   16,   17,
                                   31, 33, 63, 255, 256, 257, 511, 513, 1000, 4097, 15000};
    const std::uint64_t starts[] = {0, 1, 2, 3, 6, 13, 31, 1000, 123457};
    for (std::uint64_t start : starts) {
        for (std::size_t n : lengths) {
            model::UniformSource source = sourceAt(start);
            const std::vector<double> expected = scalarResults(source, n);
            std::vector<double> block(n);
            model::drawNoiseBlock(source, block.data(), n);
            ASSERT_TRUE(sameBits(block, expected))
                << "start " << start << ", length " << n << ", first difference at "
                << firstDifference(block, expected);
            ASSERT_EQ(source.position(), start + 2 * n);
        }
    }
}

TEST(NoiseBlock, SuccessiveBlocksContinueTheStream) {
    model::UniformSource source;
    std::vector<double> blocks(15000);
    std::size_t done = 0;
    for (std::size_t n : {1u, 7u, 300u, 2u, 4000u, 10690u}) {
        model::drawNoiseBlock(source, blocks.data() + done, n);
        done += n;
    }
    ASSERT_EQ(done, blocks.size());
    EXPECT_TRUE(sameBits(blocks, scalarResults(model::UniformSource{}, blocks.size())));
}

TEST(NoiseBlock, SameAsTheGeneratorsOfAState) {
    auto state = std::make_unique<model::ReceiverState>();
    auto copy = std::make_unique<model::ReceiverState>();
    std::vector<double> expected(3000);
    for (std::size_t i = 0; i < expected.size(); ++i)
        expected[i] = i % 3 == 2 ? model::nextNoise2(*state) : model::nextNoise1(*state);
    std::vector<double> block(expected.size());
    model::drawNoiseBlock(copy->uniform, block.data(), block.size());
    EXPECT_TRUE(sameBits(block, expected));
    EXPECT_EQ(copy->uniform.position(), state->uniform.position());
}

TEST(NoiseBlock, AcrossTheWrapOfTheLowCounterWord) {
    // Starts just before 2^32 and 2·2^32, even and odd, so that a draw's two uniforms
    // may lie on either side of the wrap.
    for (std::uint64_t wrap : {kWrap, 2 * kWrap, std::uint64_t{0xABCD} << 32}) {
        for (std::uint64_t before : {1u, 2u, 7u, 8u, 511u, 600u}) {
            for (std::size_t n : {1u, 3u, 300u, 1000u}) {
                model::UniformSource source = sourceAt(wrap - before);
                const std::vector<double> expected = scalarResults(source, n);
                std::vector<double> block(n);
                model::drawNoiseBlock(source, block.data(), n);
                ASSERT_TRUE(sameBits(block, expected))
                    << "wrap " << wrap << ", before " << before << ", length " << n
                    << ", first difference at " << firstDifference(block, expected);
            }
        }
    }
}

TEST(NoiseBlock, EveryKernelGivesTheSameBits) {
    const std::vector<model::NoiseKernel> kernels = model::noiseKernels();
    ASSERT_FALSE(kernels.empty());
    EXPECT_TRUE(kernels.front().supported);
    const model::NoiseKernel& selected = model::selectedNoiseKernel();
    EXPECT_TRUE(selected.supported);
    int supported = 0;
    for (const model::NoiseKernel& kernel : kernels) {
        if (!kernel.supported)
            continue;
        ++supported;
        for (std::uint64_t start :
             {std::uint64_t{0}, std::uint64_t{5}, std::uint64_t{77777}, kWrap - 301, kWrap - 300}) {
            for (std::size_t n : {1u, 13u, 257u, 15000u}) {
                const std::vector<double> expected = scalarResults(sourceAt(start), n);
                std::vector<double> block(n);
                kernel.fill(kNoiseSeed, start, block.data(), n);
                ASSERT_TRUE(sameBits(block, expected))
                    << kernel.name << ": start " << start << ", length " << n
                    << ", first difference at " << firstDifference(block, expected);
            }
        }
    }
    RecordProperty("kernels_run", supported);
    RecordProperty("selected", selected.name);
}

// ---------------------------------------------------------------------------------------
// Statistics of what the generators produce

TEST(NoiseStatistics, GaussianWithTheGeneratorsSpread) {
    constexpr std::size_t kCount = 1000000;
    std::vector<double> x(kCount);
    model::UniformSource source;
    model::drawNoiseBlock(source, x.data(), kCount);

    const double sigma = 0.5 * kOutputGain;
    const double n = static_cast<double>(kCount);
    // The radius is largest for u1 = 2^-24.
    const double largest = std::sqrt(-2.0 * std::log(0x1p-24)) * 0.5 * kOutputGain;
    double sum = 0.0;
    double maxAbs = 0.0;
    for (double v : x) {
        ASSERT_TRUE(std::isfinite(v));
        sum += v;
        maxAbs = std::max(maxAbs, std::fabs(v));
    }
    const double mean = sum / n;
    double squares = 0.0;
    double lag1 = 0.0;
    std::size_t beyond2 = 0;
    std::size_t beyond3 = 0;
    for (std::size_t i = 0; i < kCount; ++i) {
        const double d = x[i] - mean;
        squares += d * d;
        if (i + 1 < kCount)
            lag1 += d * (x[i + 1] - mean);
        beyond2 += std::fabs(x[i]) > 2.0 * sigma;
        beyond3 += std::fabs(x[i]) > 3.0 * sigma;
    }
    const double sd = std::sqrt(squares / (n - 1.0));

    EXPECT_NEAR(mean, 0.0, 5.0 * sigma / std::sqrt(n));
    EXPECT_NEAR(sd, sigma, 5.0 * sigma / std::sqrt(2.0 * n));
    EXPECT_LE(maxAbs, largest * (1.0 + 1e-12));
    EXPECT_GT(maxAbs, 4.0 * sigma); // the tails are there

    const auto expectTail = [n](std::size_t count, double p) {
        EXPECT_NEAR(static_cast<double>(count) / n, p, 5.0 * std::sqrt(p * (1.0 - p) / n));
    };
    expectTail(beyond2, 0.04550026389635842);  // P(|Z| > 2)
    expectTail(beyond3, 0.002699796063260207); // P(|Z| > 3)

    EXPECT_NEAR(lag1 / squares, 0.0, 5.0 / std::sqrt(n));
}

} // namespace
