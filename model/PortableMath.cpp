// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/PortableMath.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace model {

namespace {

// ln 2 in two parts: the first has 32 significant bits, so that k·kLn2Hi is exact for every
// exponent k of a double.
constexpr double kLn2Hi = 0x1.62e42fee00000p-1;
constexpr double kLn2Lo = 0x1.a39ef35793c76p-33;
constexpr double kInverseLn2 = 0x1.71547652b82fep0;

// 1/j for the Taylor series of e^r, |r| ≤ ln 2 / 2: 18 terms leave r¹⁹/19! < 10⁻²⁵.
constexpr int kExpTerms = 18;
constexpr double kInverse[kExpTerms + 1] = {
    0,        1,        1.0 / 2,  1.0 / 3,  1.0 / 4,  1.0 / 5,  1.0 / 6,
    1.0 / 7,  1.0 / 8,  1.0 / 9,  1.0 / 10, 1.0 / 11, 1.0 / 12, 1.0 / 13,
    1.0 / 14, 1.0 / 15, 1.0 / 16, 1.0 / 17, 1.0 / 18,
};

// (e^r − 1)/r by Horner's rule: 1 + r/2·(1 + r/3·(1 + …)).
double expm1OverArgument(double r) {
    double q = 1;
    for (int j = kExpTerms; j >= 2; --j)
        q = 1 + (r * kInverse[j]) * q;
    return q;
}

std::uint64_t bitsOf(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

double fromBits(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

} // namespace

double portableExp(double x) {
    if (!(x == x))
        return x;
    if (x > 709.782712893384)
        return std::numeric_limits<double>::infinity();
    if (x < -745.2)
        return 0;
    // x = k·ln 2 + r with |r| ≤ ln 2 / 2 (and a little).
    const double k = std::floor(x * kInverseLn2 + 0.5);
    const double r = (x - k * kLn2Hi) - k * kLn2Lo;
    const double power = 1 + r * expm1OverArgument(r);
    return std::ldexp(power, static_cast<int>(k));
}

double portableExpm1(double x) {
    if (std::fabs(x) < 0.34657359027997264) // ln 2 / 2
        return x * expm1OverArgument(x);
    return portableExp(x) - 1;
}

double portableLog(double x) {
    if (!(x >= 0))
        return std::numeric_limits<double>::quiet_NaN();
    if (x == 0)
        return -std::numeric_limits<double>::infinity();
    if (x == std::numeric_limits<double>::infinity())
        return x;
    int exponent = 0;
    if (x < 0x1p-1022) { // subnormal: made normal by an exact scaling
        x *= 0x1p54;
        exponent = -54;
    }
    const std::uint64_t bits = bitsOf(x);
    exponent += static_cast<int>((bits >> 52) & 0x7FF) - 1023;
    double m = fromBits((bits & 0x000FFFFFFFFFFFFFu) | 0x3FF0000000000000u); // in [1, 2)
    if (m > 1.4142135623730951) {
        m *= 0.5; // exact
        ++exponent;
    }
    // ln m = 2·atanh(s) = 2s·(1 + s²/3 + s⁴/5 + …) with s = (m − 1)/(m + 1), |s| ≤ 0.1716:
    // 13 terms leave s²⁶/27 < 10⁻²⁰.
    const double f = m - 1; // exact
    const double s = f / (2 + f);
    const double z = s * s;
    double series = 1.0 / 27;
    for (int j = 12; j >= 0; --j)
        series = 1.0 / (2 * j + 1) + z * series;
    const double e = exponent;
    return e * kLn2Hi + (e * kLn2Lo + 2 * s * series);
}

} // namespace model
