// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the calibrated receiver's summator reports, beside the radiometer equation of this
// receiver.
//
// τs is the time the sums stand for: each summed sample stands for the s samples of
// 0.2 µs up to the next one taken, so τs = N·countAll·s·0.2 µs over N periods (at the 5 MHz
// rate, the 4002·0.2 µs of the two windows in each period).
//   modulated:   ΔT = √( (2(Ta1 + Tprm)² + 2(Ta2 + Tprm)²)/(Δf·τs) + (ΔKp/Kp)²·(Ta1 − Ta2)² );
//   total power: ΔT = (Ta1 + Tprm)·√( 1/(Δf·τs) + (ΔKp/Kp)² ).
// The drift terms are the spread of presses each of which starts its drift afresh: a drift
// of 1 s hardly moves within a press of a few hundred milliseconds, so the standard error
// of one press's readings does not contain it.

#include "model/CalibratedInputs.h"
#include "model/CalibratedSummator.h"

#include <cstdint>

namespace model {

struct CalibratedResults {
    double measuredDifference = 0;   // the mean of the period readings, K (signed: Ta1 − Ta2)
    double realSensitivity = 0;      // their standard error, K
    double potentialSensitivity = 0; // the radiometer equation with τs, K
    double computedDifference = 0;   // |Ta1 − Ta2|, K
    double ta1 = 0;
    double ta2 = 0;
    double summedSeconds = 0; // τs
    std::int64_t periods = 0;
};

// τs for `periods` periods with `countAll` samples summed in each at sampling step s.
double summedSeconds(std::int64_t periods, int countAll, int samplingStep);

// The radiometer equation of this receiver for its switching.
double calibratedPotentialSensitivity(const CalibratedInputs& inputs, double summedSeconds);

CalibratedResults calibratedResults(const CalibratedInputs& inputs, int countAll,
                                    const CalibratedStatistics& statistics);

} // namespace model
