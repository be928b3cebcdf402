// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/PointTarget.h"

#include "model/Fault.h"
#include "model/Temperatures.h"

#include <cmath>

namespace model {

namespace {

constexpr double kLightSpeed = 3e8; // m/s

void requireFinite(double value) {
    if (!std::isfinite(value))
        fail(FaultKind::PointTargetNotFinite,
             {Quantity::TargetArea, Quantity::FlightHeight, Quantity::Frequency,
              Quantity::Temperature1, Quantity::Temperature2});
}

} // namespace

BeamFilling beamFilling(double area, double height, double frequency) {
    if (height == 0)
        fail(FaultKind::ZeroHeight, {Quantity::FlightHeight});
    if (frequency == 0)
        fail(FaultKind::ZeroFrequency, {Quantity::Frequency});
    if (area < 0)
        fail(FaultKind::NegativeArea, {Quantity::TargetArea});

    BeamFilling beam;
    const double heightMetres = 1e3 * height;
    beam.targetSolidAngle = area / (heightMetres * heightMetres);
    const double frequencyHz = 1e9 * frequency;
    beam.beamSolidAngle = kLightSpeed * kLightSpeed / (frequencyHz * frequencyHz) / 2; // λ²/2
    requireFinite(beam.targetSolidAngle);
    requireFinite(beam.beamSolidAngle);
    if (beam.beamSolidAngle == 0)
        fail(FaultKind::BeamTooNarrow, {Quantity::Frequency});
    beam.fillFactor = beam.targetSolidAngle / beam.beamSolidAngle;
    requireFinite(beam.fillFactor);
    beam.filled = beam.fillFactor >= 1;
    return beam;
}

PointTarget evaluatePointTarget(const PointTargetInputs& in) {
    return evaluatePointTarget(in, beamFilling(in.area, in.height, in.frequency));
}

PointTarget evaluatePointTarget(const PointTargetInputs& in, const BeamFilling& beam) {
    PointTarget result;
    result.beam = beam;
    if (beam.filled) { // the target fills the beam: an extended target after all
        result.beamTemperature = in.t1;
        result.antennaTemperature1 =
            antennaTemperature(in.t1, in.sideLobeFraction, in.sideLobeTemperature);
        return result;
    }

    const double wt = beam.targetSolidAngle;
    const double wb = beam.beamSolidAngle;
    const double background = in.t2 * (wb - wt);
    result.beamTemperature = (in.t1 * wt + background) / wb;
    requireFinite(result.beamTemperature);

    const double k =
        (in.frequency * in.frequency * 25.1327408 * 1e18) / (kLightSpeed * kLightSpeed); // 8π/λ²
    const double ta1 =
        antennaTemperature(result.beamTemperature, in.sideLobeFraction, in.sideLobeTemperature);
    result.antennaTemperature1 = ta1;

    const double timeBandwidth = in.integration * in.bandwidth * 1e3;
    if (timeBandwidth < 0)
        fail(FaultKind::NegativeTimeBandwidth, {Quantity::Accumulation, Quantity::Bandwidth});
    const double q = std::sqrt(timeBandwidth);
    if (ta1 + 100 == 0)
        fail(FaultKind::Ta1IsMinus100,
             {Quantity::Temperature1, Quantity::Temperature2, Quantity::SideLobeFraction});
    const double d = std::fabs(in.t1 - in.t2) / (ta1 + 100) * 0.04;
    const float mainShare = 1.0f - in.sideLobeFraction;
    const double radicand = in.area * d * k * 0.9 * static_cast<double>(mainShare) * q;
    requireFinite(k);
    requireFinite(radicand);
    if (radicand < 0)
        fail(FaultKind::NegativeRangeRadicand,
             {Quantity::SideLobeFraction, Quantity::Temperature1, Quantity::Temperature2});
    result.range = std::sqrt(radicand);
    return result;
}

} // namespace model
