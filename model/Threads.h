// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a summator's periods are shared out: the threads they run on (OpenMP's on the
// desktop, one where it is not built in: the browser, whose helpers are workers of their
// own), and the groups of periods whose filters run as lanes of one loop. Which thread or
// group computes a period never changes its numbers.

#include <algorithm>
#include <type_traits>

#ifdef _OPENMP
#include <omp.h>
#endif

namespace model {

// The threads to use: `asked`, or one per processor when asked for 0.
inline int threadCount(int asked) {
    if (asked > 0)
        return asked;
#ifdef _OPENMP
    return std::max(1, omp_get_num_procs());
#else
    return 1;
#endif
}

// The number of the thread running this code, from 0.
inline int threadIndex() {
#ifdef _OPENMP
    return omp_get_thread_num();
#else
    return 0;
#endif
}

// Periods whose filters run in one loop, as lanes of one vector: their recursions are
// independent chains, so the processor works on all of them at once.
inline constexpr int kPeriodGroup = 4;

// Calls `body` with a group's size (1 to kPeriodGroup) as a compile-time constant, so that
// its loops over the periods of the group are unrolled.
template <typename Body> void forGroupSize(int size, Body&& body) {
    switch (size) {
    case 1:
        body(std::integral_constant<int, 1>{});
        break;
    case 2:
        body(std::integral_constant<int, 2>{});
        break;
    case 3:
        body(std::integral_constant<int, 3>{});
        break;
    default:
        body(std::integral_constant<int, kPeriodGroup>{});
        break;
    }
}

} // namespace model
