// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The order in which the receiver takes its noise, written once: per sample of the chain
// the input sample from generator 1, then from the amplifier on the receiver's noise ξ1
// from generator 1 and the gain's noise ξ2 from generator 2, all from the one uniform
// stream. The block views and the summator draw their noise through this file, in blocks,
// with the bits the generators give one at a time.

#include "model/Noise.h"
#include "model/ReceiverState.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace model {

enum class Generator { First, Second };

// The draws of one sample of the chain, in the order they are taken.
enum ChainDraw : int {
    kInputDraw = 0, // the switch's noisy input sample, generator 1
    kXi1Draw = 1,   // the amplifier's receiver noise ξ1, generator 1
    kXi2Draw = 2,   // the amplifier's gain noise ξ2, generator 2
};
inline constexpr Generator kChainDrawGenerators[] = {Generator::First, Generator::First,
                                                     Generator::Second};
inline constexpr int kChainDraws = 3;  // per sample, from the amplifier on
inline constexpr int kSwitchDraws = 1; // per sample, the switch alone

// The noise of `samples` samples of `draws` draws each (kSwitchDraws or kChainDraws):
// result[draws·k + d] is draw d of sample k + 1. Taken from the state's stream, which
// moves on by two uniforms a draw, leaving lastNoise1 and lastNoise2 as the generators'
// last draws would.
std::vector<double> drawChainNoise(ReceiverState& state, int samples, int draws);

// The same without a state, for a run of samples whose first uniform is `firstUniform`
// (the summator's periods, each from its own place of the stream).
void fillChainNoise(const NoiseKernel& kernel, std::uint32_t seed, std::uint64_t firstUniform,
                    int samples, int draws, double* results);

// Moves the state's stream past a run of `samples` samples whose noise was taken with
// fillChainNoise from the stream's position, leaving lastNoise1 and lastNoise2 as the
// generators' last draws of the run would.
void skipChainNoise(ReceiverState& state, int samples, int draws);

// Uniforms taken by a run of samples.
inline constexpr std::uint64_t uniformsOf(std::int64_t samples, int draws) {
    return 2 * static_cast<std::uint64_t>(samples) * static_cast<std::uint64_t>(draws);
}

} // namespace model
