// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The exponential and the logarithm of the calibrated receiver, built from + − × ÷, exact
// scalings by powers of two and bit operations only, so that every processor, every build
// and the browser give the same bits (a C library's exp and log may differ in the last
// bit from one system to the next). Accurate to a few units in the last place.

namespace model {

// e^x; 0 below −745.2, +∞ above 709.8.
double portableExp(double x);
// e^x − 1, without the cancellation of e^x − 1 for small |x|.
double portableExpm1(double x);
// ln x for x > 0 (subnormal numbers included); −∞ at 0, NaN below 0 or for NaN.
double portableLog(double x);

} // namespace model
