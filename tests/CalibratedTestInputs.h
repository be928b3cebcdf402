// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The calibrated receiver's inputs at the window's defaults (extended target, T1 = 304 K:
// Ta1 = 303.6 K, Ta2 = 100 K), for the tests to change one at a time.

#include "model/CalibratedInputs.h"

namespace testing_support {

inline model::CalibratedInputs
calibratedDefaults(model::Switching switching = model::Switching::Modulated) {
    model::CalibratedInputs in;
    in.ta1 = 303.6;
    in.ta2 = 100;
    in.tprm = 100;
    in.bandwidth = 900;
    in.gain = 4;
    in.gainInstability = 0;
    in.cutoff1 = 9500;
    in.cutoff2 = 7000;
    in.wordLength = 12;
    in.accumulation = 10;
    in.samplingStep = 1;
    in.switching = switching;
    return in;
}

} // namespace testing_support
