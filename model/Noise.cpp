// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Noise.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

// Every function on the path from the uniform counter to a generator result is an
// always-inline function built only from correctly rounded IEEE operations (+ - * /,
// sqrt, conversions, bit casts, selects). The one-at-a-time generators and every
// vector kernel expand the same source, and this file is compiled without contraction
// into fused multiply-adds, so all of them produce the same bits.

#if defined(__GNUC__) || defined(__clang__)
#define VELTRUM_NOISE_INLINE inline __attribute__((always_inline))
#else
#define VELTRUM_NOISE_INLINE inline
#endif

// Bit-identical results need every double operation rounded to double, not to a wider
// register format (as on the x87 unit).
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD != 0
#error "the noise generator needs FLT_EVAL_METHOD == 0 (SSE2 arithmetic on x86)"
#endif

#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
#define VELTRUM_NOISE_X86_KERNELS 1
#if defined(__clang__)
#define VELTRUM_NOISE_AVX512_TARGET "avx512f"
#else
// GCC: use the full 512-bit registers whatever the tuning prefers.
#define VELTRUM_NOISE_AVX512_TARGET "avx512f,prefer-vector-width=512"
#endif
#else
#define VELTRUM_NOISE_X86_KERNELS 0
#endif

namespace model {

namespace {

VELTRUM_NOISE_INLINE std::uint32_t floatBits(float x) {
    std::uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

VELTRUM_NOISE_INLINE float bitsFloat(std::uint32_t bits) {
    float x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

VELTRUM_NOISE_INLINE std::uint64_t doubleBits(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

VELTRUM_NOISE_INLINE double bitsDouble(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// ---------------------------------------------------------------------------------------
// Uniform numbers

// Bijective 32-bit avalanche hash: three xorshift-multiply rounds. The shift/multiplier
// set is C. Wellons' published "triple32" (measured bias ≈ 0.021).
VELTRUM_NOISE_INLINE std::uint32_t hash32(std::uint32_t x) {
    x ^= x >> 17;
    x *= 0xED5AD4BBu;
    x ^= x >> 11;
    x *= 0xAC4C1B51u;
    x ^= x >> 15;
    x *= 0x31848BABu;
    x ^= x >> 14;
    return x;
}

// The key of the 2^32 uniforms whose counters share the high word `high`.
VELTRUM_NOISE_INLINE std::uint32_t streamKey(std::uint32_t seed, std::uint32_t high) {
    return hash32(high + seed);
}

// The top 24 bits of the hash as a multiple of 2^-24 (both steps exact).
VELTRUM_NOISE_INLINE float uniformFromKey(std::uint32_t key, std::uint32_t low) {
    const std::uint32_t h = hash32(low ^ key);
    return static_cast<float>(static_cast<std::int32_t>(h >> 8)) * 0x1p-24f;
}

// The two uniforms of m successive draws starting at counter `first`: firstOfPair[k]
// gets number first + 2k, secondOfPair[k] number first + 2k + 1. While the low word of the counter
// does not wrap inside the run, the loop works on 32-bit counters with one key; a run
// across the wrap (once in 2^31 draws) takes the numbers one by one.
VELTRUM_NOISE_INLINE void fillUniformPairs(std::uint32_t seed, std::uint64_t first,
                                           float* firstOfPair, float* secondOfPair,
                                           std::uint32_t m) {
    const auto low = static_cast<std::uint32_t>(first);
    const auto high = static_cast<std::uint32_t>(first >> 32);
    if (static_cast<std::uint64_t>(low) + 2 * std::uint64_t{m} <= (std::uint64_t{1} << 32)) {
        const std::uint32_t key = streamKey(seed, high);
        for (std::uint32_t k = 0; k < m; ++k) {
            firstOfPair[k] = uniformFromKey(key, low + 2 * k);
            secondOfPair[k] = uniformFromKey(key, low + 2 * k + 1);
        }
    } else {
        for (std::uint32_t k = 0; k < m; ++k) {
            const std::uint64_t index = first + 2 * std::uint64_t{k};
            firstOfPair[k] =
                uniformFromKey(streamKey(seed, static_cast<std::uint32_t>(index >> 32)),
                               static_cast<std::uint32_t>(index));
            const std::uint64_t next = index + 1;
            secondOfPair[k] =
                uniformFromKey(streamKey(seed, static_cast<std::uint32_t>(next >> 32)),
                               static_cast<std::uint32_t>(next));
        }
    }
}

// ---------------------------------------------------------------------------------------
// Natural logarithm of u1 in [2^-24, 1]

constexpr double kLn2Hi = 0x1.62e42fee00000p-1; // 32 significant bits: e·kLn2Hi is exact
constexpr double kLn2Lo = 0x1.a39ef35793c76p-33;

// ln u1 = e·ln 2 + ln m with u1 = m·2^e, m in [√½, √2). With f = m − 1 and
// s = f / (2 + f): ln m = 2 atanh s = 2s + s·R(s²), and 2s = f − s·f, so
// ln m = f − (f²/2 − s·(f²/2 + R)). R(z) = z·Q(z) with Q the minimax polynomial of
// degree 6 on z ≤ 0.0295 (|s| ≤ 0.1716), relative error 1.2·10⁻¹⁸, evaluated by
// Estrin's scheme so that its chains are short. The polynomials of this file come from
// scripts/fit-noise-polynomials.py.
// The error of the rounded quotient s only enters through the small term s·(f²/2 + R).
VELTRUM_NOISE_INLINE double logOfUnit(float u1) {
    // Subtracting the bits of √½ makes the exponent field count from m ≥ √½.
    const std::uint32_t shifted = floatBits(u1) - 0x3F3504F3u;
    const std::int32_t e = static_cast<std::int32_t>(shifted) >> 23;
    const float m = bitsFloat((shifted & 0x007FFFFFu) + 0x3F3504F3u); // u1 / 2^e, exact
    const double f = static_cast<double>(m) - 1.0;                    // exact
    const double s = f / (2.0 + f);                                   // 2 + f exact
    const double z = s * s;
    const double z2 = z * z;
    const double z4 = z2 * z2;
    const double q01 = 0.6666666666666734 + z * 0.39999999999414676;
    const double q23 = 0.2857142874238801 + z * 0.22222198573157717;
    const double q45 = 0.18183564327007024 + z * 0.15314050539471846;
    const double q = (q01 + z2 * q23) + z4 * (q45 + z2 * 0.14795949746504108);
    const double r = z * q;
    const double halfSquare = 0.5 * f * f;
    const double de = static_cast<double>(e);
    return de * kLn2Hi - ((halfSquare - (s * (halfSquare + r) + de * kLn2Lo)) - f);
}

// ---------------------------------------------------------------------------------------
// Cosine on [0, 6.2831852)

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// π/2 rounded to a double has 50 significant bits, so k·kHalfPiHi is exact for the
// quadrant numbers k = 0..4 of the argument; kHalfPiLo is the rest, π/2 to about 107 bits.
constexpr double kHalfPiHi = 0x1.921fb54442d18p+0;
constexpr double kHalfPiLo = 0x1.1a62633145c07p-54;
constexpr double kRoundingShift = 0x1.8p52; // adding it rounds to an integer, exactly

// sin(h + l) for |h| ≤ π/4 and |l| ≤ ulp(h): h + h³·P(h²) + l·(1 − h²/2), P the minimax
// polynomial of degree 5 of (sin h − h)/h³ (relative error 3.6·10⁻¹⁸).
VELTRUM_NOISE_INLINE double sinKernel(double h, double l, double z) {
    const double z2 = z * z;
    const double p01 = -0.1666666666666663 + z * 0.008333333333322118;
    const double p23 = -0.00019841269829589542 + z * 2.75573136213867e-06;
    const double p45 = -2.5050747762987452e-08 + z * 1.589623016401917e-10;
    const double p = p01 + z2 * (p23 + z2 * p45);
    return h + ((z * h) * p + (l - l * (0.5 * z)));
}

// cos(h + l) for |h| ≤ π/4: 1 − h²/2 + h⁴·Q(h²) − h·l, Q the minimax polynomial of
// degree 5 of (cos h − 1 + h²/2)/h⁴ (relative error 5.6·10⁻²⁰). The rounding of 1 − h²/2 is
// carried back in exactly.
VELTRUM_NOISE_INLINE double cosKernel(double h, double l, double z) {
    const double z2 = z * z;
    const double q01 = 0.041666666666666595 + z * -0.0013888888888873056;
    const double q23 = 2.4801587288851694e-05 + z * -2.755731417929413e-07;
    const double q45 = 2.0875700841639375e-09 + z * -1.1358536504874294e-11;
    const double q = q01 + z2 * (q23 + z2 * q45);
    const double halfZ = 0.5 * z;
    const double w = 1.0 - halfZ;
    return w + (((1.0 - w) - halfZ) + (z * (z * q) - h * l));
}

// x = k·π/2 + r with k = round(x·2/π) in 0..4. x − k·kHalfPiHi is exact (for k ≥ 1 the
// two lie within a factor of two of each other), so r = h + l costs three operations.
// Then ±cos r or ±sin r by the quadrant k mod 4, chosen by selects.
VELTRUM_NOISE_INLINE double cosOfPhase(double x) {
    const double shifted = x * kTwoOverPi + kRoundingShift;
    const double k = shifted - kRoundingShift;
    const std::uint64_t quadrant = doubleBits(shifted) & 3u;
    const double d = x - k * kHalfPiHi; // exact
    const double tail = k * kHalfPiLo;
    const double h = d - tail;
    const double l = (d - h) - tail;

    const double z = h * h;
    const double s = sinKernel(h, l, z);
    const double c = cosKernel(h, l, z);
    // Odd quadrants take the sine, quadrants 1 and 2 flip the sign: done on the bits,
    // so that no lane needs a branch.
    const std::uint64_t takeSine = std::uint64_t{0} - (quadrant & 1u);
    const std::uint64_t sign = ((quadrant + 1u) & 2u) << 62;
    const std::uint64_t bits = ((doubleBits(s) & takeSine) | (doubleBits(c) & ~takeSine)) ^ sign;
    return bitsDouble(bits);
}

// ---------------------------------------------------------------------------------------
// One draw

VELTRUM_NOISE_INLINE double radiusOf(float uniform1) {
    const float u1 = 1.0f - uniform1; // exact, in [2^-24, 1]
    return std::sqrt(-2.0 * logOfUnit(u1));
}

VELTRUM_NOISE_INLINE double phaseCosine(float uniform2) {
    return cosOfPhase(6.2831852 * static_cast<double>(uniform2));
}

VELTRUM_NOISE_INLINE double gaussianOf(double r, double c) {
    return ((r * 5.0) * c) * 0.1;
}

VELTRUM_NOISE_INLINE double boxMullerInline(float uniform1, float uniform2) {
    return gaussianOf(radiusOf(uniform1), phaseCosine(uniform2));
}

// The loop shared by all kernels: draws in chunks, each chunk in four short loops (the
// uniforms, the radii, the cosines, the products) rather than one long one, so that the
// processor keeps many independent draws in flight instead of waiting on the latency of
// one. a = sqrt(1 − ρ²) and ρ are the generator's own numbers.
constexpr std::size_t kChunkDraws = 256;

VELTRUM_NOISE_INLINE void fillBody(std::uint32_t seed, std::uint64_t firstUniform, double* results,
                                   std::size_t n) {
    const double rho = noiseCorrelation();
    const double a = std::sqrt(1.0 - rho * rho);
    alignas(64) float uniforms1[kChunkDraws];
    alignas(64) float uniforms2[kChunkDraws];
    alignas(64) double radii[kChunkDraws];
    alignas(64) double cosines[kChunkDraws];
    for (std::size_t done = 0; done < n;) {
        const auto m = static_cast<std::uint32_t>(std::min(kChunkDraws, n - done));
        fillUniformPairs(seed, firstUniform + 2 * static_cast<std::uint64_t>(done), uniforms1,
                         uniforms2, m);
        for (std::uint32_t k = 0; k < m; ++k)
            radii[k] = radiusOf(uniforms1[k]);
        for (std::uint32_t k = 0; k < m; ++k)
            cosines[k] = phaseCosine(uniforms2[k]);
        double* out = results + done;
        for (std::uint32_t k = 0; k < m; ++k) {
            const double w = gaussianOf(radii[k], cosines[k]);
            out[k] = a * w + rho * w;
        }
        done += m;
    }
}

void fillBaseline(std::uint32_t seed, std::uint64_t firstUniform, double* results, std::size_t n) {
    fillBody(seed, firstUniform, results, n);
}

#if VELTRUM_NOISE_X86_KERNELS
__attribute__((target("avx2"))) void fillAvx2(std::uint32_t seed, std::uint64_t firstUniform,
                                              double* results, std::size_t n) {
    fillBody(seed, firstUniform, results, n);
}

__attribute__((target(VELTRUM_NOISE_AVX512_TARGET))) void
fillAvx512(std::uint32_t seed, std::uint64_t firstUniform, double* results, std::size_t n) {
    fillBody(seed, firstUniform, results, n);
}
#endif

std::vector<NoiseKernel> buildKernels() {
    std::vector<NoiseKernel> kernels;
#if VELTRUM_NOISE_X86_KERNELS
    __builtin_cpu_init();
    kernels.push_back({"sse2", true, &fillBaseline});
    kernels.push_back({"avx2", __builtin_cpu_supports("avx2") != 0, &fillAvx2});
    kernels.push_back({"avx512f", __builtin_cpu_supports("avx512f") != 0, &fillAvx512});
#else
    kernels.push_back({"baseline", true, &fillBaseline});
#endif
    return kernels;
}

const std::vector<NoiseKernel>& kernelList() {
    static const std::vector<NoiseKernel> kernels = buildKernels();
    return kernels;
}

} // namespace

double noiseCorrelation() {
    // e^(−6.2831852·10⁻⁸), correctly rounded: written out, so that no C library's last bit
    // of exp enters the noise.
    return 0x1.fffffde4474cfp-1;
}

float uniformAt(std::uint32_t seed, std::uint64_t index) {
    return uniformFromKey(streamKey(seed, static_cast<std::uint32_t>(index >> 32)),
                          static_cast<std::uint32_t>(index));
}

double noiseLog(float u1) {
    return logOfUnit(u1);
}

double noiseCos(double x) {
    return cosOfPhase(x);
}

double boxMuller(float uniform1, float uniform2) {
    return boxMullerInline(uniform1, uniform2);
}

double rawGaussianAt(std::uint32_t seed, std::uint64_t firstUniform) {
    return boxMuller(uniformAt(seed, firstUniform), uniformAt(seed, firstUniform + 1));
}

double generatorOutput(double w) {
    const double rho = noiseCorrelation();
    return std::sqrt(1 - rho * rho) * w + rho * w;
}

void drawNoiseBlock(UniformSource& source, double* results, std::size_t n) {
    selectedNoiseKernel().fill(source.seed(), source.position(), results, n);
    source.skip(2 * static_cast<std::uint64_t>(n));
}

std::vector<NoiseKernel> noiseKernels() {
    return kernelList();
}

const NoiseKernel& selectedNoiseKernel() {
    static const NoiseKernel* const selected = [] {
        const NoiseKernel* best = &kernelList().front();
        for (const NoiseKernel& kernel : kernelList())
            if (kernel.supported)
                best = &kernel; // listed from narrowest to widest
        return best;
    }();
    return *selected;
}

} // namespace model
