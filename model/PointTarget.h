// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The point-target scene: how much of the main beam the target fills, the brightness
// temperature averaged over the beam, and the maximum observation range at detection
// probability 0.9.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace model {

struct PointTargetInputs {
    double area = 0;        // S, m² (txtScel)
    double height = 0;      // H, km (txtVisota)
    double frequency = 0;   // F, GHz (txtF)
    double t1 = 0;          // brightness temperature of the target, K (txtT1)
    double t2 = 0;          // of the background, K (txtT2)
    double integration = 0; // accumulation time, ms (txtTint)
    double bandwidth = 0;   // Δf, MHz (txtdeltaf)
    float sideLobeFraction = 0;
    std::int16_t sideLobeTemperature = 0;
};

struct PointTarget {
    double targetSolidAngle = 0; // Wt
    double beamSolidAngle = 0;   // Wb
    double fillFactor = 0;       // γ
    bool beamFilled = false;     // γ ≥ 1: an extended target after all
    double beamTemperature = 0;
    double antennaTemperature1 = 0; // Ta1 built from beamTemperature
    double range = 0;               // Rmax, m (0 when the beam is filled)
    std::string rangeText;          // the text of lblRmax; empty when the beam is filled
};

// Thrown for inputs the formulas cannot take (zero height or frequency, negative area,
// negative time-bandwidth product...); what() is the Russian message naming the fields.
class PointTargetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The geometry alone: whether the target fills the beam needs only S, H and F. Throws
// PointTargetError for a zero height or frequency and a negative area.
struct BeamFilling {
    double targetSolidAngle = 0; // Wt
    double beamSolidAngle = 0;   // Wb
    double fillFactor = 0;       // γ
    bool filled = false;         // γ ≥ 1
};
BeamFilling beamFilling(double area, double height, double frequency);

// The whole evaluation. When the beam is filled only area, height, frequency and t1 are
// read; the other inputs matter only for a target smaller than the beam.
PointTarget evaluatePointTarget(const PointTargetInputs& inputs);
// The same, for a caller that has already worked out the beam filling of these inputs.
PointTarget evaluatePointTarget(const PointTargetInputs& inputs, const BeamFilling& beam);

} // namespace model
