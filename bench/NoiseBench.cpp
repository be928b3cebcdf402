// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Noise.h"
#include "model/ReceiverState.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

// Each benchmark reports "per_draw": the time of one Gaussian sample.

namespace {

void countDraws(benchmark::State& state, std::size_t drawsPerIteration) {
    const double draws =
        static_cast<double>(state.iterations()) * static_cast<double>(drawsPerIteration);
    state.SetItemsProcessed(static_cast<std::int64_t>(draws));
    state.counters["per_draw"] =
        benchmark::Counter(draws, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The generator as the views call it, one sample per call.
void BM_NoiseOneAtATime(benchmark::State& state) {
    auto receiver = std::make_unique<model::ReceiverState>();
    for (auto _ : state)
        benchmark::DoNotOptimize(model::nextNoise1(*receiver));
    countDraws(state, 1);
}
BENCHMARK(BM_NoiseOneAtATime);

// The scalar transform over a uniform source, a block's worth of samples.
void BM_NoiseScalar(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    std::vector<double> results(n);
    model::UniformSource source;
    for (auto _ : state) {
        for (double& result : results) {
            const float uniform1 = source.next();
            const float uniform2 = source.next();
            result = model::generatorOutput(model::boxMuller(uniform1, uniform2));
        }
        benchmark::DoNotOptimize(results.data());
        benchmark::ClobberMemory();
    }
    countDraws(state, n);
}
BENCHMARK(BM_NoiseScalar)->Arg(15000);

// The block generator with the kernel chosen for this processor.
void BM_NoiseBlock(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    std::vector<double> results(n);
    model::UniformSource source;
    for (auto _ : state) {
        model::drawNoiseBlock(source, results.data(), n);
        benchmark::DoNotOptimize(results.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(model::selectedNoiseKernel().name);
    countDraws(state, n);
}
BENCHMARK(BM_NoiseBlock)->Arg(15000);

// Every kernel the processor can run.
void noiseKernelBench(benchmark::State& state, model::NoiseKernel kernel) {
    const auto n = static_cast<std::size_t>(state.range(0));
    std::vector<double> results(n);
    std::uint64_t position = 0;
    for (auto _ : state) {
        kernel.fill(model::kNoiseSeed, position, results.data(), n);
        position += 2 * n;
        benchmark::DoNotOptimize(results.data());
        benchmark::ClobberMemory();
    }
    countDraws(state, n);
}

const bool kernelBenchmarksRegistered = [] {
    for (const model::NoiseKernel& kernel : model::noiseKernels()) {
        if (!kernel.supported)
            continue;
        benchmark::RegisterBenchmark(("BM_NoiseKernel_" + kernel.name).c_str(), noiseKernelBench,
                                     kernel)
            ->Arg(15000);
    }
    return true;
}();

} // namespace
