// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The receiver's noise: one uniform source shared by both Gaussian generators, the
// Box-Muller transform that turns two uniforms into one Gaussian sample, and a block
// generator that produces many samples at once with vector instructions.
//
// The uniform source is counter based: the k-th uniform number is a hash of k and the
// seed, so the whole state is the count of numbers drawn. Every uniform lies on the
// 2^-24 grid of [0, 1); the generator uses u1 = 1 - U, so the logarithm never sees 0.
//
// The block path and the one-at-a-time path compute every sample with the same
// sequence of correctly rounded operations (own logarithm and cosine, no contraction
// into fused multiply-adds), so they give bit-identical numbers on every processor.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace model {

inline constexpr std::uint32_t kNoiseSeed = 0x2545F491u;

// ρ = e^(-6.2831852e-8), correctly rounded (the generators evaluate it at every call).
double noiseCorrelation();

// The k-th uniform number of the stream with this seed: U in [0, 1) on the 2^-24 grid.
float uniformAt(std::uint32_t seed, std::uint64_t index);

class UniformSource {
public:
    explicit UniformSource(std::uint32_t seed = kNoiseSeed) : seed_(seed) {}
    float next() { return uniformAt(seed_, position_++); }
    std::uint32_t seed() const { return seed_; }
    std::uint64_t position() const { return position_; } // uniforms drawn so far
    void skip(std::uint64_t count) { position_ += count; }

private:
    std::uint32_t seed_;
    std::uint64_t position_ = 0;
};

// Natural logarithm and cosine used by the generator, exposed for tests. Both are built
// from correctly rounded operations only, so they give the same bits in scalar and
// vector code. noiseLog is for u1 in [2^-24, 1]; it is within one unit in the last place
// of the library logarithm at every u1 = 1 - U. noiseCos is for arguments in
// [0, 6.2831852); it is within one unit in the last place of the library cosine at every
// 6.2831852·u2 with u2 on the 2^-24 grid.
double noiseLog(float u1);
double noiseCos(double x);

// The raw Gaussian sample w of one draw from two successive uniforms U1, U2:
// u1 = 1 - U1, r = sqrt(-2 ln u1), c = cos(6.2831852 u2), w = (r*5*c)*0.1.
double boxMuller(float uniform1, float uniform2);

// The raw sample w of the draw that starts at uniform number firstUniform.
double rawGaussianAt(std::uint32_t seed, std::uint64_t firstUniform);

// What a generator returns for a raw sample w: sqrt(1 - ρ²)·w + ρ·w, since the
// generator stores w before it reads its last sample back (1.0003544279241867·w).
double generatorOutput(double w);

// n successive generator results (each as nextNoise1/nextNoise2 would return it),
// consuming 2n uniforms from the source. Vectorised; picks the widest instruction set
// the processor has at run time.
void drawNoiseBlock(UniformSource& source, double* results, std::size_t n);

// The vector kernels compiled into the program (x86-64: "sse2", "avx2", "avx512f";
// elsewhere one "baseline"), narrowest first, for tests that compare them and for the
// benchmarks. fill writes n generator results for the draws starting at uniform number
// firstUniform of the stream with this seed; it does not move any source.
struct NoiseKernel {
    std::string name;
    bool supported; // the processor can run it
    void (*fill)(std::uint32_t seed, std::uint64_t firstUniform, double* results, std::size_t n);
};
std::vector<NoiseKernel> noiseKernels();
const NoiseKernel& selectedNoiseKernel(); // the widest supported, chosen once

} // namespace model
