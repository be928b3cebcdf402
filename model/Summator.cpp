// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Summator.h"

#include "model/ChainNoise.h"
#include "model/Fault.h"
#include "model/Radiometer.h"
#include "model/Threads.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>

namespace model {

namespace {

constexpr std::uint64_t kPeriodUniforms = kUniformsPerPeriod;

constexpr int kGroup = kPeriodGroup; // periods whose filters run in one loop
// Periods computed at once, whose summed samples are held together: 32 kB a period at
// the finest sampling.
constexpr int kChunkPeriods = 128;

// The running rule of the extremes: a value replaces the extreme only when it is
// strictly beyond it (so NaN never does, and a −0 never replaces a +0).
inline double largerOf(double extreme, double value) {
    return extreme < value ? value : extreme;
}
inline double smallerOf(double extreme, double value) {
    return extreme > value ? value : extreme;
}

// Where one period of a group keeps its record: the workspace, or for the last period
// of a run the window's own buffers, which must end holding it whole.
struct PeriodBuffers {
    double* switchWave = nullptr; // null: not kept
    double* uhfWave = nullptr;
    double* detectorWave = nullptr;
    double* filter1Wave = nullptr;   // indices 1..5001
    double* capacitorWave = nullptr; // null: not kept
    double* filter2Wave = nullptr;   // indices 1..5002
    double capacitorAfterPeriod = 0; // capacitorWave[5001], read by the last step, never cleared
};

// The single-section filter of G periods in one loop, over the whole period:
// filter1Wave[i + 1] from filter1Wave[i] (from rest) and detectorWave[i]; `sum` gets
// each period's filter1Sum.
template <int G>
void filter1Group(const std::array<PeriodBuffers, kGroup>& periods, double a,
                  std::array<double, kGroup>& sum) {
    const double keep = 1 - a;
    double v[G];
    double total[G];
    for (int p = 0; p < G; ++p) {
        v[p] = 0;
        total[p] = 0;
    }
    for (int i = 1; i <= kSamplesPerPeriod; ++i) {
        for (int p = 0; p < G; ++p) {
            total[p] += v[p];
            v[p] = keep * v[p] + a * periods[p].detectorWave[i];
            periods[p].filter1Wave[i + 1] = v[p];
        }
    }
    for (int p = 0; p < G; ++p)
        sum[p] = total[p];
}

// The coupling capacitor and the two-section filter of G periods in one loop, as the
// summator runs them: filter2Wave[i + 2] from filter2Wave[i + 1], capacitorWave[i] and
// capacitorWave[i + 1], the latter still the 0 of the period's clearing (after the last
// sample, whatever capacitorWave[5001] holds).
template <int G>
void filter2Group(const std::array<PeriodBuffers, kGroup>& periods,
                  const std::array<double, kGroup>& filter1Sums, double b,
                  std::array<double, kGroup>& largest, std::array<double, kGroup>& smallest) {
    const double feedback = filter2Feedback(b);
    double value[G];
    double mean[G];
    double high[G];
    double low[G];
    for (int p = 0; p < G; ++p) {
        value[p] = 0; // filter2Wave[2]
        mean[p] = filter1Sums[p] / kSamplesPerPeriod;
        high[p] = 0; // the extremes start from 0, as filter2Wave[1] and [2] are
        low[p] = 0;
        periods[p].filter2Wave[1] = 0;
        periods[p].filter2Wave[2] = 0;
    }
    for (int i = 1; i <= kSamplesPerPeriod; ++i) {
        for (int p = 0; p < G; ++p) {
            const PeriodBuffers& period = periods[p];
            const double capacitor = period.filter1Wave[i] - mean[p];
            if (period.capacitorWave)
                period.capacitorWave[i] = capacitor;
            const double next = i < kSamplesPerPeriod ? 0.0 : period.capacitorAfterPeriod;
            value[p] = feedback * value[p] + b * (capacitor + next);
            period.filter2Wave[i + 2] = value[p];
            // filter2Wave[3..5000] take part in the extremes, [5001] and [5002] do not.
            if (i + 2 <= kSamplesPerPeriod) {
                high[p] = largerOf(high[p], value[p]);
                low[p] = smallerOf(low[p], value[p]);
            }
        }
    }
    for (int p = 0; p < G; ++p) {
        largest[p] = high[p];
        smallest[p] = low[p];
    }
}

} // namespace

// A thread's buffers for a group of periods.
struct Summator::Workspace {
    std::vector<double> noise = std::vector<double>(kChainDraws * kSamplesPerPeriod);
    std::array<std::vector<double>, kGroup> detector, filter1, filter2;
    Workspace() {
        for (int p = 0; p < kGroup; ++p) {
            detector[p].assign(kSamplesPerPeriod + 1, 0.0);
            filter1[p].assign(kSamplesPerPeriod + 2, 0.0);
            filter2[p].assign(kSamplesPerPeriod + 3, 0.0);
        }
    }
};

// The periods run between two looks at progress.
struct Summator::Chunk {
    int periods = 0;
    std::uint32_t seed = 0;
    std::uint64_t firstUniform = 0; // of the chunk's first period
    bool lastIsWhole = false;       // its last period ends the run: the state keeps it
    std::vector<double> summed;     // the two-section filter at the summed positions
    std::vector<double> largest, smallest, range, reading;
    int groups() const { return (periods + kGroup - 1) / kGroup; }
};

SummationWindows summationWindows(int samplingStep) {
    SummationWindows windows;
    std::int16_t j = 0;
    for (int k = 1; k <= kSamplesPerPeriod; k += samplingStep) {
        j = static_cast<std::int16_t>(j + samplingStep);
        if (j >= 500 && j <= 2500)
            windows.first.push_back(k);
        else if (j >= 3000 && j <= 5000)
            windows.second.push_back(k);
    }
    return windows;
}

double summatorReading(double sumA, double sumB, int countAll) {
    return 1e-3 * ((sumA - sumB) * 1.85115) * 862.225 / countAll;
}

void checkAccumulation(double accumulationMs, const std::string& typed) {
    if (!(accumulationMs >= kShortestAccumulation))
        fail(FaultKind::AccumulationTooShort, {Quantity::Accumulation}, typed);
    if (accumulationMs > kLongestAccumulation)
        fail(FaultKind::AccumulationTooLong, {Quantity::Accumulation}, typed);
}

double SummatorStatistics::spreadOfMean() const {
    const double variance = sumX2 - sumX * sumX / passes;
    return std::sqrt(std::max(variance, 0.0)) / passes;
}

SummatorResults summatorResults(const SummatorStatistics& statistics, double receiverNoise,
                                double t1, double t2, double accumulationMs,
                                const InputTemperatures& temperatures) {
    SummatorResults results;
    const double spread = statistics.spreadOfMean();
    results.measuredDifference = statistics.mean();
    if (results.measuredDifference == 0)
        fail(FaultKind::ZeroMeasuredDifference, {});
    const double tsys = systemTemperature(receiverNoise, t1);
    results.realSensitivity = realSensitivity(tsys, spread, results.measuredDifference);
    results.potentialSensitivity = potentialSensitivity(tsys, accumulationMs);
    results.brightnessDifference = std::fabs(t1 - t2);
    results.ta2 = temperatures.ta2;
    results.ta1 = temperatures.ta1;
    results.antennaDifference = std::fabs(results.ta1 - results.ta2);
    return results;
}

Summator::Summator(const SummatorSettings& settings, const PeriodKernel& kernel, int threads)
    : settings_(settings), kernel_(kernel), threads_(threadCount(threads)),
      filter1Coefficient_(filter1Coefficient(settings.f1)),
      filter2Coefficient_(filter2Coefficient(settings.f2)),
      adcLevels_(adcLevels(settings.wordLength)), windows_(summationWindows(settings.samplingStep)),
      chunk_(std::make_unique<Chunk>()), buffer_(kSummatorBufferLast + 1, 0.0) {
    runs_ = switchRuns(kSamplesPerPeriod);
    positions_ = windows_.first;
    positions_.insert(positions_.end(), windows_.second.begin(), windows_.second.end());
    for (int t = 0; t < threads_; ++t)
        workspaces_.push_back(std::make_unique<Workspace>());
}

Summator::~Summator() = default;

double Summator::runPass(ReceiverState& state) {
    SummatorStatistics one;
    run(state, 1, one);
    return one.sumX;
}

void Summator::run(ReceiverState& state, std::int64_t periods, SummatorStatistics& statistics,
                   std::vector<double>* readings) {
    while (periods > 0) {
        const int now = static_cast<int>(std::min<std::int64_t>(periods, kChunkPeriods));
        periods -= now;
        chunk_->lastIsWhole = periods == 0;
        runChunk(state, now, statistics, readings);
    }
}

void Summator::run(ReceiverState& state, const PeriodPartials& given,
                   SummatorStatistics& statistics, std::vector<double>* readings) {
    int done = 0;
    while (done < given.periods()) {
        const int now = std::min(given.periods() - done, kChunkPeriods);
        chunk_->lastIsWhole = done + now == given.periods();
        runChunk(state, now, statistics, readings, &given, done);
        done += now;
    }
}

PeriodPartials Summator::partials(std::uint32_t seed, std::uint64_t firstUniform, int periods) {
    Chunk chunk;
    chunk.periods = periods;
    chunk.seed = seed;
    chunk.firstUniform = firstUniform;
    chunk.lastIsWhole = false;
    const auto count = static_cast<std::size_t>(periods);
    chunk.summed.resize(count * positions_.size());
    chunk.largest.assign(count, 0.0);
    chunk.smallest.assign(count, 0.0);
    const int groups = chunk.groups();
#pragma omp parallel for schedule(dynamic, 1) num_threads(threads_) if (groups > 1)
    for (int group = 0; group < groups; ++group)
        frontEndsAndFilters(nullptr, chunk, group * kGroup,
                            std::min(kGroup, periods - group * kGroup),
                            *workspaces_[threadIndex()]);
    return {std::move(chunk.largest), std::move(chunk.smallest), std::move(chunk.summed)};
}

void Summator::runChunk(ReceiverState& state, int periods, SummatorStatistics& statistics,
                        std::vector<double>* readings, const PeriodPartials* given, int givenFrom) {
    Chunk& chunk = *chunk_;
    chunk.periods = periods;
    chunk.seed = state.uniform.seed();
    chunk.firstUniform = state.uniform.position();
    const auto count = static_cast<std::size_t>(periods);
    const std::size_t summedPerPeriod = positions_.size();
    chunk.summed.resize(count * summedPerPeriod);
    for (auto* values : {&chunk.largest, &chunk.smallest, &chunk.range, &chunk.reading})
        values->assign(count, 0.0);
    const int groups = chunk.groups();

    if (given) {
        // Computed elsewhere; but the period the state keeps whole is computed here.
        const auto from = static_cast<std::size_t>(givenFrom);
        std::copy_n(given->largest.begin() + from, count, chunk.largest.begin());
        std::copy_n(given->smallest.begin() + from, count, chunk.smallest.begin());
        std::copy_n(given->summed.begin() + from * summedPerPeriod, count * summedPerPeriod,
                    chunk.summed.begin());
        if (chunk.lastIsWhole)
            frontEndsAndFilters(&state, chunk, periods - 1, 1, *workspaces_.front());
    } else {
        // The front ends and filters of every period, in parallel.
#pragma omp parallel for schedule(dynamic, 1) num_threads(threads_) if (groups > 1)
        for (int group = 0; group < groups; ++group)
            frontEndsAndFilters(&state, chunk, group * kGroup,
                                std::min(kGroup, periods - group * kGroup),
                                *workspaces_[threadIndex()]);
    }

    // The converter's range of each period: the running extremes, in order.
    for (std::size_t j = 0; j < count; ++j) {
        f2max_ = largerOf(f2max_, chunk.largest[j]);
        f2min_ = smallerOf(f2min_, chunk.smallest[j]);
        chunk.range[j] = f2max_ - f2min_;
    }

    // Quantised and summed, in parallel.
#pragma omp parallel for schedule(dynamic, 1) num_threads(threads_) if (groups > 1)
    for (int group = 0; group < groups; ++group)
        quantiseAndSum(state, chunk, group);

    // The readings in order; the first period with a fault stops the run, as the
    // receiver meets it: an overflow makes the range infinite, a NaN the reading.
    for (std::size_t j = 0; j < count; ++j) {
        if (!std::isfinite(chunk.range[j]))
            fail(FaultKind::SignalNotFinite, {});
        if (chunk.range[j] == 0)
            fail(FaultKind::ZeroAdcRange, {Quantity::Cutoff1, Quantity::Cutoff2});
        if (!std::isfinite(chunk.reading[j]))
            fail(FaultKind::SignalNotFinite, {});
        statistics.add(chunk.reading[j]);
        if (readings)
            readings->push_back(chunk.reading[j]);
    }

    // The stream moves past the chunk; the generators remember the last period's draws.
    skipChainNoise(state, periods * kSamplesPerPeriod, kChainDraws);
}

void Summator::frontEndsAndFilters(ReceiverState* state, Chunk& chunk, int first, int size,
                                   Workspace& work) {
    std::array<PeriodBuffers, kGroup> periods;
    for (int p = 0; p < size; ++p) {
        const int j = first + p;
        const bool whole = chunk.lastIsWhole && j == chunk.periods - 1;
        PeriodBuffers& buffers = periods[p];
        if (whole) {
            buffers = {state->switchWave.data(),
                       state->uhfWave.data(),
                       state->detectorWave.data(),
                       state->filter1Wave.data(),
                       state->capacitorWave.data(),
                       state->filter2Wave.data(),
                       state->capacitorWave[kSamplesPerPeriod + 1]};
        } else {
            buffers.detectorWave = work.detector[p].data();
            buffers.filter1Wave = work.filter1[p].data();
            buffers.filter2Wave = work.filter2[p].data();
        }
        buffers.filter1Wave[1] = 0; // the filter starts from rest in every period
    }

    // Each period's noise, drawn in one call, and its front end, run by run of the switch;
    // then the filters of all. (Cutting the period into blocks of 8 to 100 samples, so
    // that the filter's chain might overlap the next block's noise, measured no faster
    // and up to 25 % slower.)
    for (int p = 0; p < size; ++p) {
        const auto j = static_cast<std::uint64_t>(first + p);
        fillChainNoise(*kernel_.noise, chunk.seed, chunk.firstUniform + kPeriodUniforms * j,
                       kSamplesPerPeriod, kChainDraws, work.noise.data());
        const PeriodBuffers& buffers = periods[p];
        for (const SwitchRun& run : runs_) {
            const double temperature = run.input == SwitchInput::First ? settings_.temperatures.ta1
                                                                       : settings_.temperatures.ta2;
            kernel_.frontEnd(work.noise.data() + kChainDraws * (run.from - 1), buffers.switchWave,
                             buffers.uhfWave, buffers.detectorWave, run.from, run.to, temperature,
                             settings_.amplifier);
        }
    }
    std::array<double, kGroup> filter1Sums{};
    std::array<double, kGroup> largest{};
    std::array<double, kGroup> smallest{};
    forGroupSize(size, [&](auto groupSize) {
        constexpr int G = decltype(groupSize)::value;
        filter1Group<G>(periods, filter1Coefficient_, filter1Sums);
        filter2Group<G>(periods, filter1Sums, filter2Coefficient_, largest, smallest);
    });

    // Each period's extremes and its summed samples.
    for (int p = 0; p < size; ++p) {
        const auto j = static_cast<std::size_t>(first + p);
        chunk.largest[j] = largest[p];
        chunk.smallest[j] = smallest[p];
        const double* filter2 = periods[p].filter2Wave;
        double* summed = chunk.summed.data() + j * positions_.size();
        for (std::size_t k = 0; k < positions_.size(); ++k)
            summed[k] = filter2[positions_[k]];
    }
}

void Summator::quantiseAndSum(ReceiverState& state, Chunk& chunk, int group) {
    const int first = group * kGroup;
    const int size = std::min(kGroup, chunk.periods - first);
    const std::size_t countA = windows_.first.size();
    for (int p = 0; p < size; ++p) {
        const auto j = static_cast<std::size_t>(first + p);
        const double range = chunk.range[j];
        if (!std::isfinite(range) || range == 0)
            continue; // the fault is reported in order
        const bool whole = chunk.lastIsWhole && j + 1 == static_cast<std::size_t>(chunk.periods);
        double* summed = chunk.summed.data() + j * positions_.size();
        if (whole) {
            // The window keeps the converter's whole record of the last period.
            kernel_.quantise(state.filter2Wave.data(), state.adcWave.data(), adcLevels_, range);
            for (std::size_t k = 0; k < positions_.size(); ++k)
                summed[k] = state.adcWave[positions_[k]];
        } else {
            for (std::size_t k = 0; k < positions_.size(); ++k)
                summed[k] = adcOutput(summed[k], adcLevels_, range);
        }
        double sumA = 0;
        double sumB = 0;
        for (std::size_t k = 0; k < countA; ++k)
            sumA += summed[k];
        for (std::size_t k = countA; k < positions_.size(); ++k)
            sumB += summed[k];
        chunk.reading[j] = summatorReading(sumA, sumB, windows_.countAll());
        if (j + 1 == static_cast<std::size_t>(chunk.periods))
            std::copy(summed, summed + countA, buffer_.begin() + 1);
    }
}

} // namespace model
