// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CalibratedResults.h"

#include "model/CalibratedNoise.h"

#include <cmath>

namespace model {

double summedSeconds(std::int64_t periods, int countAll, int samplingStep) {
    return static_cast<double>(periods) * countAll * samplingStep * kSampleSeconds;
}

double calibratedPotentialSensitivity(const CalibratedInputs& in, double seconds) {
    const double bandTime = in.bandwidth * 1e6 * seconds; // Δf·τs
    const double instability = in.gainInstability * 0.01;
    const double system1 = in.ta1 + in.tprm;
    if (in.switching == Switching::TotalPower)
        return system1 * std::sqrt(1 / bandTime + instability * instability);
    const double system2 = in.ta2 + in.tprm;
    const double difference = in.ta1 - in.ta2;
    // Without a drift its term is 0 even where the difference's square overflows.
    const double drift =
        instability == 0 ? 0 : instability * instability * (difference * difference);
    return std::sqrt((2 * (system1 * system1) + 2 * (system2 * system2)) / bandTime + drift);
}

CalibratedResults calibratedResults(const CalibratedInputs& inputs, int countAll,
                                    const CalibratedStatistics& statistics) {
    CalibratedResults results;
    results.periods = statistics.count;
    results.measuredDifference = statistics.mean;
    results.realSensitivity = statistics.standardError();
    results.summedSeconds = summedSeconds(statistics.count, countAll, inputs.samplingStep);
    results.potentialSensitivity = calibratedPotentialSensitivity(inputs, results.summedSeconds);
    results.ta1 = inputs.ta1;
    results.ta2 = inputs.ta2;
    results.computedDifference = std::fabs(inputs.ta1 - inputs.ta2);
    return results;
}

} // namespace model
