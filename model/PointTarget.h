// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The point-target scene: how much of the main beam the target fills, the brightness
// temperature averaged over the beam, and the maximum observation range at detection
// probability 0.9.

#include <cstdint>

namespace model {

struct PointTargetInputs {
    double area = 0;        // S, m²
    double height = 0;      // H, km
    double frequency = 0;   // F, GHz
    double t1 = 0;          // brightness temperature of the target, K
    double t2 = 0;          // of the background, K
    double integration = 0; // accumulation time, ms
    double bandwidth = 0;   // Δf, MHz
    float sideLobeFraction = 0;
    std::int16_t sideLobeTemperature = 0;
};

// The geometry alone: whether the target fills the beam needs only S, H and F. A
// ModelError for a zero height or frequency, a negative area, a beam too narrow to hold
// a number, or a solid angle that is not finite.
struct BeamFilling {
    double targetSolidAngle = 0; // Wt
    double beamSolidAngle = 0;   // Wb
    double fillFactor = 0;       // γ
    bool filled = false;         // γ ≥ 1: an extended target after all
};
BeamFilling beamFilling(double area, double height, double frequency);

struct PointTarget {
    BeamFilling beam;
    double beamTemperature = 0;
    double antennaTemperature1 = 0; // Ta1 built from beamTemperature
    double range = 0;               // Rmax, m (0 when the beam is filled)
};

// The whole evaluation, for a caller that has worked out the beam filling of these
// inputs. When the beam is filled only t1 is read beside the geometry; the other inputs
// matter only for a target smaller than the beam. A ModelError names the inputs to check.
PointTarget evaluatePointTarget(const PointTargetInputs& inputs, const BeamFilling& beam);
PointTarget evaluatePointTarget(const PointTargetInputs& inputs);

} // namespace model
