// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/PortableMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Within a few units in the last place of the C library's value.
void expectClose(double ours, double library, const char* what, double x) {
    EXPECT_NEAR(ours, library, 4e-16 * std::fabs(library)) << what << "(" << x << ")";
}

TEST(CalibratedMath, ExpFollowsTheLibraryOverTheWholeRange) {
    for (const double x : {-745.0, -700.5, -300.25, -20.0, -1.0, -0.347, -1e-3, -1e-12, 0.0, 1e-15,
                           0.1, 0.34, 0.5, 1.0, 2.5, 10.0, 100.0, 512.75, 709.0})
        expectClose(model::portableExp(x), std::exp(x), "exp", x);
    EXPECT_EQ(model::portableExp(0), 1.0);
    EXPECT_EQ(model::portableExp(-800), 0.0);
    EXPECT_EQ(model::portableExp(710), std::numeric_limits<double>::infinity());
}

TEST(CalibratedMath, Expm1KeepsTheDigitsOfSmallArguments) {
    for (const double x : {-1e-300, -1e-12, -2.5e-6, -1e-3, -0.3, 1e-9, 0.01, 0.34, 0.35, 2.0})
        expectClose(model::portableExpm1(x), std::expm1(x), "expm1", x);
}

TEST(CalibratedMath, LogFollowsTheLibraryFromSubnormalsToTheLargest) {
    for (const double x : {4.9e-324, 1e-310, 2.2250738585072014e-308, 1e-100, 5.96e-8, 0.5, 0.7071,
                           0.999999, 1.0000001, 1.4142, 1.5, 2.0, 10.0, 1e300, 1.7e308})
        expectClose(model::portableLog(x), std::log(x), "log", x);
    EXPECT_EQ(model::portableLog(1), 0.0);
    EXPECT_EQ(model::portableLog(0), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(model::portableLog(-1)));
}

} // namespace
