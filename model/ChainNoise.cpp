// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/ChainNoise.h"

namespace model {

namespace {
Generator generatorOf(int draw, int draws) {
    return draws == kSwitchDraws ? Generator::First : kChainDrawGenerators[draw];
}

// The raw sample that a generator's last draw of a run leaves in lastNoise1 (or
// lastNoise2); `current` when the run has no draw of that generator.
double lastRawNoise(std::uint32_t seed, std::uint64_t firstUniform, int samples, int draws,
                    Generator generator, double current) {
    if (samples <= 0)
        return current;
    const std::uint64_t lastSample = firstUniform + uniformsOf(samples - 1, draws);
    for (int draw = draws - 1; draw >= 0; --draw)
        if (generatorOf(draw, draws) == generator)
            return rawGaussianAt(seed, lastSample + 2 * static_cast<std::uint64_t>(draw));
    return current;
}
} // namespace

void fillChainNoise(const NoiseKernel& kernel, std::uint32_t seed, std::uint64_t firstUniform,
                    int samples, int draws, double* results) {
    kernel.fill(seed, firstUniform, results,
                static_cast<std::size_t>(samples) * static_cast<std::size_t>(draws));
}

void skipChainNoise(ReceiverState& state, int samples, int draws) {
    const std::uint64_t first = state.uniform.position();
    const std::uint32_t seed = state.uniform.seed();
    state.uniform.skip(uniformsOf(samples, draws));
    state.lastNoise1 =
        lastRawNoise(seed, first, samples, draws, Generator::First, state.lastNoise1);
    state.lastNoise2 =
        lastRawNoise(seed, first, samples, draws, Generator::Second, state.lastNoise2);
}

std::vector<double> drawChainNoise(ReceiverState& state, int samples, int draws) {
    std::vector<double> noise(static_cast<std::size_t>(samples) * static_cast<std::size_t>(draws));
    fillChainNoise(selectedNoiseKernel(), state.uniform.seed(), state.uniform.position(), samples,
                   draws, noise.data());
    skipChainNoise(state, samples, draws);
    return noise;
}

} // namespace model
