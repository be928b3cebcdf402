// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Radiometer.h"

#include <cmath>

namespace model {

double systemTemperature(double receiverNoise, double t1) {
    return receiverNoise + t1 * 0.9;
}

double potentialSensitivity(double systemTemperature, double accumulationMs) {
    return systemTemperature * 2 * std::sqrt(2.0) / std::sqrt(1e3 * (accumulationMs * 900));
}

double realSensitivity(double systemTemperature, double spreadOfMean, double meanReading) {
    return systemTemperature * spreadOfMean / meanReading;
}

} // namespace model
