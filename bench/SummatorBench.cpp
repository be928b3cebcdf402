// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The summator's speed against references measured in the same run:
//   BM_SummatorPass/<kernel>        one period of the program's own pass, one thread;
//   BM_SummatorPassFloor/<isa>      the floor: 15 000 Gaussians through glibc's vector
//                                   log and cos (libmvec), plus the two filter recursions;
//   BM_SummatorPassPlain/<isa>      a plain pass of the whole chain on libmvec's noise;
//   BM_SummatorPassLiteral          the receiver's description rendered literally, sample
//                                   by sample, every field converted from its text at
//                                   every use, scalar libm: the baseline;
//   BM_SummatorAccumulation/<periods>/<threads>  a press's periods, on one core and all.
// BenchMain prints the ratios the program is held to.

#include "LibmvecReference.h"
#include "model/Chain.h"
#include "model/Numbers.h"
#include "model/Summator.h"
#include "views/SummatorView.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

model::SummatorSettings defaultSettings() {
    model::SummatorSettings settings;
    settings.temperatures = {303.6, 100};
    settings.amplifier = {100, 900, 4, 0};
    settings.f1 = 9500;
    settings.f2 = 7000;
    settings.wordLength = 12;
    settings.samplingStep = 100;
    return settings;
}

void summatorPass(benchmark::State& run, const model::PeriodKernel* kernel) {
    auto state = std::make_unique<model::ReceiverState>();
    model::Summator summator(defaultSettings(), *kernel, 1);
    for (auto _ : run)
        benchmark::DoNotOptimize(summator.runPass(*state));
    run.SetItemsProcessed(run.iterations() * model::kSamplesPerPeriod);
}

void floorPass(benchmark::State& run, const reference::LibmvecKernel* kernel) {
    std::vector<std::uint32_t> lanes = reference::startLanes();
    std::vector<double> work;
    for (auto _ : run) {
        benchmark::DoNotOptimize(reference::floorPeriod(*kernel, lanes.data(), work));
        benchmark::ClobberMemory();
    }
    run.SetItemsProcessed(run.iterations() * model::kSamplesPerPeriod);
}

void plainPass(benchmark::State& run, const reference::LibmvecKernel* kernel) {
    std::vector<std::uint32_t> lanes = reference::startLanes();
    auto pass = std::make_unique<reference::PlainPass>();
    for (auto _ : run)
        benchmark::DoNotOptimize(reference::plainPass(*kernel, lanes.data(), *pass));
    run.SetItemsProcessed(run.iterations() * model::kSamplesPerPeriod);
}

void libmvecGaussians(benchmark::State& run, const reference::LibmvecKernel* kernel) {
    std::vector<std::uint32_t> lanes = reference::startLanes();
    std::vector<double> out(15000);
    for (auto _ : run) {
        kernel->gaussians(lanes.data(), out.data(), 15000);
        benchmark::ClobberMemory();
    }
    const double draws = static_cast<double>(run.iterations()) * 15000;
    run.counters["per_draw"] =
        benchmark::Counter(draws, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

const bool registered = [] {
    // The pass and its references are repeated, and BenchMain compares their fastest
    // repetitions: the least disturbed by whatever else the machine is doing.
    for (const model::PeriodKernel& kernel : model::periodKernels())
        if (kernel.supported)
            benchmark::RegisterBenchmark(("BM_SummatorPass/" + kernel.name).c_str(), summatorPass,
                                         &kernel)
                ->Repetitions(5);
    static const std::vector<reference::LibmvecKernel> references = reference::libmvecKernels();
    for (const reference::LibmvecKernel& kernel : references) {
        if (!kernel.supported)
            continue;
        benchmark::RegisterBenchmark(("BM_SummatorPassFloor/" + kernel.name).c_str(), floorPass,
                                     &kernel)
            ->Repetitions(5);
        benchmark::RegisterBenchmark(("BM_SummatorPassPlain/" + kernel.name).c_str(), plainPass,
                                     &kernel)
            ->Repetitions(5);
        benchmark::RegisterBenchmark(("BM_LibmvecGaussians/" + kernel.name).c_str(),
                                     libmvecGaussians, &kernel);
    }
    return true;
}();

// A press's periods as the summator view runs them: in batches, between two looks at
// the progress. Arguments: periods, threads (0: one per core).
void BM_SummatorAccumulation(benchmark::State& run) {
    const auto periods = static_cast<std::int64_t>(run.range(0));
    const int threads = static_cast<int>(run.range(1));
    auto state = std::make_unique<model::ReceiverState>();
    model::Summator summator(defaultSettings(), model::selectedPeriodKernel(), threads);
    for (auto _ : run) {
        model::SummatorStatistics statistics;
        for (std::int64_t done = 0; done < periods; done += views::kPeriodsPerBatch)
            summator.run(*state, std::min(views::kPeriodsPerBatch, periods - done), statistics);
        benchmark::DoNotOptimize(statistics.sumX);
    }
    run.counters["threads"] = summator.threads();
}
BENCHMARK(BM_SummatorAccumulation)
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Args({10000, 1})
    ->Args({10000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// --- the literal baseline -------------------------------------------------------------

struct LiteralWindow {
    std::string txtTprm = "100", txtdeltaf = "900", txtdeltaKp = "0", txtF11 = "9500",
                txtF22 = "7000", txtn = "12", txtT1 = "304", txtT2 = "100";
    double lastNoise1 = 0, lastNoise2 = 0;
    model::UniformSource uniform;
    std::vector<double> switchWave = std::vector<double>(10001),
                        uhfWave = std::vector<double>(10003),
                        detectorWave = std::vector<double>(10003),
                        filter1Wave = std::vector<double>(10003),
                        capacitorWave = std::vector<double>(10003),
                        filter2Wave = std::vector<double>(10003),
                        adcWave = std::vector<double>(10003), buffer = std::vector<double>(10001);
    double f2max = 0, f2min = 0;
};

double value(const std::string& text) {
    return model::parseNumber(text).value;
}

double correlation() {
    return std::exp(-6.2831852e-8);
}

double literalNoise(LiteralWindow& w, double& last) {
    const float u1 = 1.0f - w.uniform.next();
    const double r = std::sqrt(-2 * std::log(static_cast<double>(u1)));
    const float u2 = w.uniform.next();
    const double c = std::cos(6.2831852 * static_cast<double>(u2));
    last = (r * 5 * c) * 0.1;
    const double rho = correlation();
    return std::sqrt(1 - correlation() * correlation()) * last + rho * last;
}

double literalTa1(LiteralWindow& w) {
    return (1.0f - 0.0f) * value(w.txtT1) * 0.9 + 0.0 + 29.999999999999993;
}
double literalTa2(LiteralWindow& w) {
    return value(w.txtT2);
}

double literalPass(LiteralWindow& w, int s) {
    for (int c = 1; c <= 5000; ++c) {
        w.uhfWave[c] = w.detectorWave[c] = w.filter1Wave[c] = w.switchWave[c] = 0;
        w.capacitorWave[c] = w.filter2Wave[c] = w.adcWave[c] = 0;
    }
    double sumA = 0, sumB = 0, filter1Sum = 0;
    std::int16_t switchPhase = 0;
    for (int i = 1; i <= 5000; ++i) {
        ++switchPhase;
        if (switchPhase <= 2500) {
            const double noise = literalNoise(w, w.lastNoise1);
            w.switchWave[i] = noise * literalTa1(w);
        } else {
            const double noise = literalNoise(w, w.lastNoise1);
            w.switchWave[i] = noise * literalTa2(w);
        }
        const std::string tprm = w.txtTprm;
        const double xi1 = literalNoise(w, w.lastNoise1);
        const std::string deltaf = w.txtdeltaf, deltaKp = w.txtdeltaKp;
        const double xi2 = literalNoise(w, w.lastNoise2);
        const double u = (value(tprm) * xi1 + w.switchWave[i]) * 0.004;
        const double v = value(deltaf) * u;
        w.uhfWave[i] = (value(deltaKp) * 0.01 * xi2 + 1) * v;
        w.detectorWave[i] = std::sqrt(std::pow(w.uhfWave[i], 2)) + 200;
        w.filter1Wave[i + 1] =
            value(w.txtF11) * (std::pow(10, -7) * 4 * 3.1415926) * w.detectorWave[i] +
            (1 - value(w.txtF11) * (std::pow(10, -7) * 4 * 3.1415926)) * w.filter1Wave[i];
        filter1Sum += w.filter1Wave[i];
    }
    for (int i = 1; i <= 5000; ++i) {
        w.capacitorWave[i] = w.filter1Wave[i] - filter1Sum / 5000;
        const double b = value(w.txtF22) * (std::pow(10, -7) * 8) * 3.1415926;
        w.filter2Wave[i + 2] = b * (w.capacitorWave[i] + w.capacitorWave[i + 1]) +
                               (1 - value(w.txtF22) * (std::pow(10, -7) * 8) * 3.1415926 +
                                std::pow(value(w.txtF22) * (std::pow(10, -7) * 8) * 3.1415926, 2)) *
                                   w.filter2Wave[i + 1];
        if (w.f2max < w.filter2Wave[i])
            w.f2max = w.filter2Wave[i];
        if (w.f2min > w.filter2Wave[i])
            w.f2min = w.filter2Wave[i];
    }
    const double range = w.f2max - w.f2min;
    for (int i = 1; i <= 5000; ++i) {
        const double q = std::floor(std::pow(2, value(w.txtn)) * (w.filter2Wave[i] / range));
        w.adcWave[i] = q / std::pow(2, value(w.txtn)) * range;
    }
    int countAll = 0, countA = 0;
    std::int16_t j = 0;
    for (int k = 1; k <= 5000; k += s) {
        j = static_cast<std::int16_t>(j + s);
        if (j >= 500 && j <= 2500) {
            sumA += w.adcWave[k];
            ++countAll;
            w.buffer[++countA] = w.adcWave[k];
        } else if (j >= 3000 && j <= 5000) {
            sumB += w.adcWave[k];
            ++countAll;
        }
    }
    return std::pow(10, -3) * ((sumA - sumB) * 1.85115) * 862.225 / countAll;
}

void BM_SummatorPassLiteral(benchmark::State& run) {
    auto window = std::make_unique<LiteralWindow>();
    for (auto _ : run)
        benchmark::DoNotOptimize(literalPass(*window, 100));
    run.SetItemsProcessed(run.iterations() * model::kSamplesPerPeriod);
}
BENCHMARK(BM_SummatorPassLiteral);

} // namespace
