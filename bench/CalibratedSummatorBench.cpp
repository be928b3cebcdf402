// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calibrated receiver's summator against the course model's, in the same run:
//   BM_CalibratedSummatorPass/<kernel>       one period of the calibrated pass, one thread
//                                            (to set beside BM_SummatorPass/<kernel>);
//   BM_CalibratedOverCoursePass/<kernel>/s<s> both passes timed in turn, rounds of 200
//                                            periods each, the fastest round of each kept:
//                                            the counter "ratio" is calibrated / course
//                                            (goal ≤ 1.2), at 50 kHz and at 5 MHz;
//   BM_CalibratedAccumulation/<periods>/<threads>  a press's periods in batches of 128.
// All at the window's defaults (Δf 900 MHz: the detector's Gaussian law; 50 kHz sampling).

#include "model/CalibratedSummator.h"
#include "model/PeriodKernels.h"
#include "model/Summator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

namespace {

model::CalibratedInputs calibratedDefaults(double bandwidth = 900, int samplingStep = 100) {
    model::CalibratedInputs in;
    in.ta1 = 303.6;
    in.ta2 = 100;
    in.tprm = 100;
    in.bandwidth = bandwidth;
    in.gain = 4;
    in.cutoff1 = 9500;
    in.cutoff2 = 7000;
    in.wordLength = 12;
    in.accumulation = 1;
    in.samplingStep = samplingStep;
    return in;
}

model::SummatorSettings courseDefaults(int samplingStep = 100) {
    model::SummatorSettings settings;
    settings.temperatures = {303.6, 100};
    settings.amplifier = {100, 900, 4, 0};
    settings.f1 = 9500;
    settings.f2 = 7000;
    settings.wordLength = 12;
    settings.samplingStep = samplingStep;
    return settings;
}

void calibratedPass(benchmark::State& run, const model::PeriodKernel* kernel, double bandwidth) {
    model::CalibratedSummator summator(calibratedDefaults(bandwidth), *kernel->noise, 1);
    model::UniformSource stream;
    model::CalibratedStatistics statistics;
    for (auto _ : run) {
        summator.run(stream, 1, statistics);
        benchmark::DoNotOptimize(statistics.mean);
    }
    run.SetItemsProcessed(run.iterations() * model::kSamplesPerPeriod);
}

// Seconds per period of the fastest of the rounds.
template <typename Pass> double fastestRound(Pass&& pass, int periods) {
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < periods; ++k)
        pass();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
           periods;
}

void calibratedOverCourse(benchmark::State& run, const model::PeriodKernel* kernel,
                          int samplingStep) {
    auto state = std::make_unique<model::ReceiverState>();
    model::Summator course(courseDefaults(samplingStep), *kernel, 1);
    model::CalibratedSummator calibrated(calibratedDefaults(900, samplingStep), *kernel->noise, 1);
    model::UniformSource stream;
    model::CalibratedStatistics statistics;
    double courseBest = 1e9;
    double calibratedBest = 1e9;
    for (auto _ : run) {
        courseBest =
            std::min(courseBest,
                     fastestRound([&] { benchmark::DoNotOptimize(course.runPass(*state)); }, 200));
        calibratedBest = std::min(calibratedBest, fastestRound(
                                                      [&] {
                                                          calibrated.run(stream, 1, statistics);
                                                          benchmark::DoNotOptimize(statistics.mean);
                                                      },
                                                      200));
    }
    run.counters["course_us"] = courseBest * 1e6;
    run.counters["calibrated_us"] = calibratedBest * 1e6;
    run.counters["ratio"] = calibratedBest / courseBest;
}

void BM_CalibratedAccumulation(benchmark::State& run) {
    const auto periods = static_cast<std::int64_t>(run.range(0));
    const int threads = static_cast<int>(run.range(1));
    model::CalibratedSummator summator(calibratedDefaults(), model::selectedNoiseKernel(), threads);
    model::UniformSource stream;
    for (auto _ : run) {
        model::CalibratedStatistics statistics;
        for (std::int64_t done = 0; done < periods; done += 128)
            summator.run(stream, std::min<std::int64_t>(128, periods - done), statistics);
        benchmark::DoNotOptimize(statistics.mean);
    }
    run.counters["threads"] = summator.threads();
}
BENCHMARK(BM_CalibratedAccumulation)
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

const bool registered = [] {
    for (const model::PeriodKernel& kernel : model::periodKernels()) {
        if (!kernel.supported)
            continue;
        benchmark::RegisterBenchmark(("BM_CalibratedSummatorPass/" + kernel.name).c_str(),
                                     calibratedPass, &kernel, 900.0)
            ->Repetitions(5);
        for (const int step : {100, 1})
            benchmark::RegisterBenchmark(
                ("BM_CalibratedOverCoursePass/" + kernel.name + "/s" + std::to_string(step))
                    .c_str(),
                calibratedOverCourse, &kernel, step)
                ->Iterations(10);
    }
    // Δf 100 MHz: the exact gamma law (k = 20), for comparison.
    benchmark::RegisterBenchmark("BM_CalibratedSummatorPass/gamma-law", calibratedPass,
                                 &model::selectedPeriodKernel(), 100.0);
    return true;
}();

} // namespace
