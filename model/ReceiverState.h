// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Everything the window keeps between presses: the plot colours, the side-lobe pair,
// the titles of the two input views, the beam temperature of the point-target scene,
// the two noise generators and the eight sample buffers of the receiver chain.

#include "model/Noise.h"

#include <array>
#include <cstdint>
#include <string>

namespace model {

// What the aircraft's antenna observes.
enum class Scene {
    ExtendedTarget, // a target filling the beam; input 2 is the noise equivalent
    PointTarget,    // a small target on a background; input 2 is the background
    Boundary,       // the boundary of two extended targets
};

// Index bounds of the buffers (lower bound 0, upper bound inclusive).
inline constexpr int kInputWaveLast = 2701;
inline constexpr int kSwitchWaveLast = 10000;
inline constexpr int kChainWaveLast = 10002;

using InputWave = std::array<double, kInputWaveLast + 1>;
using SwitchWave = std::array<double, kSwitchWaveLast + 1>;
using ChainWave = std::array<double, kChainWaveLast + 1>;

struct ReceiverState {
    double lastNoise1 = 0.0; // last raw sample of noise generator 1
    double lastNoise2 = 0.0; // last raw sample of noise generator 2
    std::uint8_t obj1Red = 0, obj1Green = 0, obj1Blue = 0;
    std::uint8_t obj2Red = 0, obj2Green = 0, obj2Blue = 0;
    float sideLobeFraction = 0.0f;        // β
    std::int16_t sideLobeTemperature = 0; // Tsl, K
    std::string input1Title;
    std::string input2Title;
    double beamTemperature = 0.0; // brightness temperature averaged over the beam, K
    InputWave inputWave{};
    ChainWave uhfWave{};
    ChainWave detectorWave{};
    ChainWave filter1Wave{};
    SwitchWave switchWave{};
    ChainWave capacitorWave{};
    ChainWave filter2Wave{};
    ChainWave adcWave{};
    UniformSource uniform{kNoiseSeed}; // shared by both generators, never reseeded
};

// The window's start-up values: cyan and yellow objects, side lobes off, the titles of
// the extended-target scene. Noise, beam temperature and buffers stay zero.
void applyStartupDefaults(ReceiverState& state);

// The titles of the two input views for a scene.
struct InputTitles {
    const char* input1;
    const char* input2;
};
InputTitles inputTitles(Scene scene);

// Noise generators 1 and 2: one Box-Muller draw from the shared uniform stream, the
// raw sample stored in lastNoise1 (lastNoise2), the generator's output returned.
double nextNoise1(ReceiverState& state);
double nextNoise2(ReceiverState& state);

} // namespace model
