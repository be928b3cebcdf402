// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The threads a summator's periods run on: OpenMP's on the desktop, one where it is not
// built in (the browser, whose helpers are workers of their own). Which thread computes a
// period never changes its numbers.

#include <algorithm>

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

} // namespace model
