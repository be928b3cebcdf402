// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LibmvecReference.h"

#include "model/Chain.h"

#include <immintrin.h>

#include <cmath>

// glibc's vector math: natural logarithm and cosine of 4 (AVX2) or 8 (AVX-512) doubles.
extern "C" __m256d _ZGVdN4v_log(__m256d);
extern "C" __m256d _ZGVdN4v_cos(__m256d);
extern "C" __m512d _ZGVeN8v_log(__m512d);
extern "C" __m512d _ZGVeN8v_cos(__m512d);

namespace reference {

namespace {

// One xorshift32 step of eight lanes.
__attribute__((target("avx2"))) inline __m256i step(__m256i s) {
    s = _mm256_xor_si256(s, _mm256_slli_epi32(s, 13));
    s = _mm256_xor_si256(s, _mm256_srli_epi32(s, 17));
    return _mm256_xor_si256(s, _mm256_slli_epi32(s, 5));
}

__attribute__((target("avx2"))) void gaussiansAvx2(std::uint32_t* lanes, double* out, int n) {
    __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes));
    __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes + 8));
    const __m256 grid = _mm256_set1_ps(0x1p-24f);
    for (int k = 0; k < n; k += 8) {
        a = step(a);
        b = step(b);
        const __m256 ua = _mm256_mul_ps(_mm256_cvtepi32_ps(_mm256_srli_epi32(a, 8)), grid);
        const __m256 ub = _mm256_mul_ps(_mm256_cvtepi32_ps(_mm256_srli_epi32(b, 8)), grid);
        for (int half = 0; half < 2; ++half) {
            const __m128 u1f = half ? _mm256_extractf128_ps(ua, 1) : _mm256_castps256_ps128(ua);
            const __m128 u2f = half ? _mm256_extractf128_ps(ub, 1) : _mm256_castps256_ps128(ub);
            const __m256d u1 = _mm256_sub_pd(_mm256_set1_pd(1.0), _mm256_cvtps_pd(u1f));
            const __m256d u2 = _mm256_cvtps_pd(u2f);
            const __m256d r = _mm256_sqrt_pd(_mm256_mul_pd(_mm256_set1_pd(-2.0), _ZGVdN4v_log(u1)));
            const __m256d c = _ZGVdN4v_cos(_mm256_mul_pd(_mm256_set1_pd(6.2831852), u2));
            const __m256d w = _mm256_mul_pd(_mm256_mul_pd(_mm256_mul_pd(r, _mm256_set1_pd(5.0)), c),
                                            _mm256_set1_pd(0.1));
            _mm256_storeu_pd(out + k + 4 * half, w);
        }
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(lanes), a);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(lanes + 8), b);
}

__attribute__((target("avx512f"))) void gaussiansAvx512(std::uint32_t* lanes, double* out, int n) {
    __m512i s = _mm512_loadu_si512(lanes);
    const __m512 grid = _mm512_set1_ps(0x1p-24f);
    for (int k = 0; k < n; k += 8) {
        s = _mm512_xor_si512(s, _mm512_slli_epi32(s, 13));
        s = _mm512_xor_si512(s, _mm512_srli_epi32(s, 17));
        s = _mm512_xor_si512(s, _mm512_slli_epi32(s, 5));
        const __m512 u = _mm512_mul_ps(_mm512_cvtepi32_ps(_mm512_srli_epi32(s, 8)), grid);
        const __m256 u1f = _mm512_castps512_ps256(u);
        const __m256 u2f = _mm256_castpd_ps(_mm512_extractf64x4_pd(_mm512_castps_pd(u), 1));
        const __m512d u1 = _mm512_sub_pd(_mm512_set1_pd(1.0), _mm512_cvtps_pd(u1f));
        const __m512d u2 = _mm512_cvtps_pd(u2f);
        const __m512d r = _mm512_sqrt_pd(_mm512_mul_pd(_mm512_set1_pd(-2.0), _ZGVeN8v_log(u1)));
        const __m512d c = _ZGVeN8v_cos(_mm512_mul_pd(_mm512_set1_pd(6.2831852), u2));
        _mm512_storeu_pd(out + k,
                         _mm512_mul_pd(_mm512_mul_pd(_mm512_mul_pd(r, _mm512_set1_pd(5.0)), c),
                                       _mm512_set1_pd(0.1)));
    }
    _mm512_storeu_si512(lanes, s);
}

// The filters of the window's defaults: cut-offs of 9500 and 7000 Hz.
const double kA = model::filter1Coefficient(9500);
const double kB = model::filter2Coefficient(7000);
const double kFeedback = model::filter2Feedback(kB);

} // namespace

std::vector<LibmvecKernel> libmvecKernels() {
    __builtin_cpu_init();
    return {{"avx2", __builtin_cpu_supports("avx2") != 0, &gaussiansAvx2},
            {"avx512f", __builtin_cpu_supports("avx512f") != 0, &gaussiansAvx512}};
}

std::vector<std::uint32_t> startLanes() {
    std::vector<std::uint32_t> lanes(16);
    for (std::uint32_t i = 0; i < 16; ++i)
        lanes[i] = 0x9E3779B9u * (i + 1);
    return lanes;
}

double floorPeriod(const LibmvecKernel& kernel, std::uint32_t* lanes, std::vector<double>& work) {
    work.resize(15000 + 5002 + 5003);
    double* noise = work.data();
    double* filter1 = noise + 15000;
    double* filter2 = filter1 + 5002;
    kernel.gaussians(lanes, noise, 15000);
    filter1[1] = 0;
    for (int i = 1; i <= 5000; ++i)
        filter1[i + 1] = (1 - kA) * filter1[i] + kA * noise[3 * (i - 1)];
    filter2[1] = filter2[2] = 0;
    for (int i = 1; i <= 5000; ++i)
        filter2[i + 2] = kFeedback * filter2[i + 1] + kB * filter1[i];
    return filter2[5002];
}

double plainPass(const LibmvecKernel& kernel, std::uint32_t* lanes, PlainPass& pass) {
    kernel.gaussians(lanes, pass.noise.data(), 15000);
    for (int i = 1; i <= 5000; ++i) {
        const double* draw = pass.noise.data() + 3 * (i - 1);
        const double input = draw[0] * (i <= 2500 ? 303.6 : 100.0);
        const double uhf = (0.0 * 0.01 * draw[2] + 1) * (900 * ((100 * draw[1] + input) * 0.004));
        pass.detector[i] = std::sqrt(uhf * uhf) + 200;
    }
    double sum = 0;
    pass.filter1[1] = 0;
    for (int i = 1; i <= 5000; ++i) {
        pass.filter1[i + 1] = kA * pass.detector[i] + (1 - kA) * pass.filter1[i];
        sum += pass.filter1[i];
    }
    pass.filter2[1] = pass.filter2[2] = 0;
    for (int i = 1; i <= 5000; ++i) {
        pass.filter2[i + 2] = kB * (pass.filter1[i] - sum / 5000) + kFeedback * pass.filter2[i + 1];
        pass.f2max = pass.f2max < pass.filter2[i] ? pass.filter2[i] : pass.f2max;
        pass.f2min = pass.f2min > pass.filter2[i] ? pass.filter2[i] : pass.f2min;
    }
    const double range = pass.f2max - pass.f2min;
    double sumA = 0, sumB = 0;
    for (int k = 401; k <= 2401; k += 100)
        sumA += std::floor(4096 * (pass.filter2[k] / range)) / 4096 * range;
    for (int k = 2901; k <= 4901; k += 100)
        sumB += std::floor(4096 * (pass.filter2[k] / range)) / 4096 * range;
    return 1e-3 * ((sumA - sumB) * 1.85115) * 862.225 / 42;
}

} // namespace reference
