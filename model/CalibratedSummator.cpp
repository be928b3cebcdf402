// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CalibratedSummator.h"

#include "model/Fault.h"
#include "model/Threads.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace model {

namespace {

constexpr int kGroup = kPeriodGroup; // periods whose filters run in one loop
// Periods between two looks at the progress, whose summed samples are held together.
constexpr int kChunkPeriods = 128;

// The filters of G periods from rest over their detector samples x, interleaved
// (x[G·(i − 1) + p] is sample i of period p): filter 2's output at the summed positions
// into summed[p][q], the end states into ends[p].
template <int G, bool Bypass>
void filtersFromRest(const FilterCoefficients& k, const double* __restrict x,
                     const std::vector<int>& positions, double* const* summed,
                     double* const* ends) {
    double y1[G], yc[G], y2a[G], y2b[G];
    for (int p = 0; p < G; ++p)
        y1[p] = yc[p] = y2a[p] = y2b[p] = 0;
    std::size_t next = 0;
    int nextPosition = positions.empty() ? 0 : positions.front();
    for (int i = 1; i <= kSamplesPerPeriod; ++i) {
        const double* xi = x + G * (i - 1);
        for (int p = 0; p < G; ++p)
            filterStep<Bypass>(k, xi[p], y1[p], yc[p], y2a[p], y2b[p]);
        if (i == nextPosition) {
            for (int p = 0; p < G; ++p)
                summed[p][next] = y2b[p];
            ++next;
            nextPosition = next < positions.size() ? positions[next] : 0;
        }
    }
    for (int p = 0; p < G; ++p) {
        ends[p][0] = y1[p];
        ends[p][1] = yc[p];
        ends[p][2] = y2a[p];
        ends[p][3] = y2b[p];
    }
}

} // namespace

double CalibratedStatistics::standardError() const {
    if (count < 2)
        return 0;
    const double n = static_cast<double>(count);
    return std::sqrt(squares / (n - 1)) / std::sqrt(n);
}

// A thread's buffers for a group of periods.
struct CalibratedSummator::Workspace {
    std::vector<double> powers = std::vector<double>(kSamplesPerPeriod);
    std::vector<double> interleaved = std::vector<double>(kGroup * kSamplesPerPeriod);
};

// The periods run between two looks at the progress.
struct CalibratedSummator::Chunk {
    int periods = 0;
    std::uint32_t seed = 0;
    std::uint64_t firstUniform = 0; // of the chunk's first period
    std::vector<double> summed;     // the response from rest, then the converter's samples
    std::vector<double> ends;
    std::vector<double> gain; // 1 + δ
    std::vector<FilterState> start;
    std::vector<double> reading;
};

CalibratedSummator::CalibratedSummator(const CalibratedInputs& inputs, const NoiseKernel& kernel,
                                       int threads)
    : CalibratedSummator(CalibratedChain(inputs), kernel, threads) {}

CalibratedSummator::CalibratedSummator(const CalibratedChain& chain, const NoiseKernel& kernel,
                                       int threads)
    : chain_(chain), kernel_(kernel), threads_(threadCount(threads)),
      chunk_(std::make_unique<Chunk>()) {
    for (int t = 0; t < threads_; ++t)
        workspaces_.push_back(std::make_unique<Workspace>());
}

CalibratedSummator::~CalibratedSummator() = default;

void CalibratedSummator::run(UniformSource& stream, std::int64_t periods,
                             CalibratedStatistics& statistics, std::vector<double>* readings) {
    while (periods > 0) {
        const int now = static_cast<int>(std::min<std::int64_t>(periods, kChunkPeriods));
        periods -= now;
        runChunk(stream, now, statistics, readings, nullptr, 0);
    }
}

void CalibratedSummator::run(UniformSource& stream, const CalibratedPartials& given,
                             CalibratedStatistics& statistics, std::vector<double>* readings) {
    for (int done = 0; done < given.periods();) {
        const int now = std::min(given.periods() - done, kChunkPeriods);
        runChunk(stream, now, statistics, readings, &given, done);
        done += now;
    }
}

CalibratedPartials CalibratedSummator::partials(std::uint32_t seed, std::uint64_t firstUniform,
                                                int periods) {
    Chunk chunk;
    chunk.periods = periods;
    chunk.seed = seed;
    chunk.firstUniform = firstUniform;
    const auto count = static_cast<std::size_t>(periods);
    chunk.summed.resize(count * chain_.positions().size());
    chunk.ends.resize(count * kFilterStates);
    const int groups = (periods + kGroup - 1) / kGroup;
#pragma omp parallel for schedule(dynamic, 1) num_threads(threads_) if (groups > 1)
    for (int group = 0; group < groups; ++group)
        fromRest(chunk, group * kGroup, std::min(kGroup, periods - group * kGroup),
                 *workspaces_[threadIndex()]);
    return {std::move(chunk.summed), std::move(chunk.ends)};
}

void CalibratedSummator::runChunk(UniformSource& stream, int periods,
                                  CalibratedStatistics& statistics, std::vector<double>* readings,
                                  const CalibratedPartials* given, int givenFrom) {
    Chunk& chunk = *chunk_;
    chunk.periods = periods;
    chunk.seed = stream.seed();
    chunk.firstUniform = stream.position();
    const auto count = static_cast<std::size_t>(periods);
    const std::size_t summedPerPeriod = chain_.positions().size();
    chunk.summed.resize(count * summedPerPeriod);
    chunk.ends.resize(count * kFilterStates);
    chunk.gain.assign(count, 1.0);
    chunk.start.assign(count, FilterState{});
    chunk.reading.assign(count, 0.0);
    const int groups = (periods + kGroup - 1) / kGroup;

    // Each period's filters from rest: here, in parallel, or given.
    if (given) {
        const auto from = static_cast<std::size_t>(givenFrom);
        std::copy_n(given->summed.begin() + from * summedPerPeriod, count * summedPerPeriod,
                    chunk.summed.begin());
        std::copy_n(given->ends.begin() + from * kFilterStates, count * kFilterStates,
                    chunk.ends.begin());
    } else {
#pragma omp parallel for schedule(dynamic, 1) num_threads(threads_) if (groups > 1)
        for (int group = 0; group < groups; ++group)
            fromRest(chunk, group * kGroup, std::min(kGroup, periods - group * kGroup),
                     *workspaces_[threadIndex()]);
    }

    // In period order: the gain drift, the state each period starts in, and the state it
    // leaves, its response from rest times its gain plus its start carried through.
    const GainDrift& law = chain_.drift();
    for (std::size_t j = 0; j < count; ++j) {
        const double draw =
            driftDraw(chunk.seed, chunk.firstUniform + kCalibratedUniformsPerPeriod * j);
        if (periodsDone_ == 0 && j == 0) {
            drift_ = law.start(draw);
            for (int s = 0; s < kFilterStates; ++s)
                state_[s] = chain_.settledState()[s] * (1 + drift_);
        } else {
            drift_ = law.next(drift_, draw);
        }
        const double gain = 1 + drift_;
        chunk.gain[j] = gain;
        chunk.start[j] = state_;
        const FilterState carried = chain_.carried(state_);
        for (int s = 0; s < kFilterStates; ++s)
            state_[s] = gain * chunk.ends[j * kFilterStates + s] + carried[s];
    }

    // Converted and summed, in parallel.
#pragma omp parallel for schedule(dynamic, kGroup) num_threads(threads_) if (groups > 1)
    for (int j = 0; j < periods; ++j)
        convertAndSum(chunk, j);

    // The readings in order; the first that is not finite stops the press.
    for (std::size_t j = 0; j < count; ++j) {
        if (!std::isfinite(chunk.reading[j]))
            fail(FaultKind::SignalNotFinite, {});
        statistics.add(chunk.reading[j]);
        if (readings)
            readings->push_back(chunk.reading[j]);
    }
    const auto last = chunk.summed.begin() + (count - 1) * summedPerPeriod;
    lastSummed_.assign(last, last + summedPerPeriod);
    periodsDone_ += periods;
    stream.skip(kCalibratedUniformsPerPeriod * count);
}

void CalibratedSummator::fromRest(Chunk& chunk, int first, int size, Workspace& work) const {
    const double level1 = chain_.level(chain_.inputAt(1));
    const double level2 = chain_.level(chain_.inputAt(kSamplesPerPeriod));
    const std::size_t summedPerPeriod = chain_.positions().size();
    double* summed[kGroup];
    double* ends[kGroup];
    forGroupSize(size, [&](auto groupSize) {
        constexpr int G = decltype(groupSize)::value;
        for (int p = 0; p < G; ++p) {
            const auto j = static_cast<std::uint64_t>(first + p);
            fillRelativePowers(kernel_, chain_.law(), chunk.seed,
                               chunk.firstUniform + kCalibratedUniformsPerPeriod * j,
                               work.powers.data());
            double* x = work.interleaved.data();
            for (int i = 0; i < kHalfPeriod; ++i)
                x[G * i + p] = level1 * work.powers[i];
            for (int i = kHalfPeriod; i < kSamplesPerPeriod; ++i)
                x[G * i + p] = level2 * work.powers[i];
            summed[p] = chunk.summed.data() + j * summedPerPeriod;
            ends[p] = chunk.ends.data() + j * kFilterStates;
        }
        if (chain_.coefficients().bypass)
            filtersFromRest<G, true>(chain_.coefficients(), work.interleaved.data(),
                                     chain_.positions(), summed, ends);
        else
            filtersFromRest<G, false>(chain_.coefficients(), work.interleaved.data(),
                                      chain_.positions(), summed, ends);
    });
}

void CalibratedSummator::convertAndSum(Chunk& chunk, int period) const {
    const auto j = static_cast<std::size_t>(period);
    const std::size_t summedPerPeriod = chain_.positions().size();
    const auto countA = static_cast<std::size_t>(chain_.countA());
    const double gain = chunk.gain[j];
    const FilterState& start = chunk.start[j];
    const AdcScale& adc = chain_.adc();
    double* summed = chunk.summed.data() + j * summedPerPeriod;
    double sumA = 0;
    double sumB = 0;
    for (std::size_t q = 0; q < summedPerPeriod; ++q) {
        const double carried =
            ((start[0] * chain_.stateResponse(q, 0) + start[1] * chain_.stateResponse(q, 1)) +
             start[2] * chain_.stateResponse(q, 2)) +
            start[3] * chain_.stateResponse(q, 3);
        const double converted = calibratedAdcOutput(gain * summed[q] + carried, adc);
        summed[q] = converted;
        (q < countA ? sumA : sumB) += converted;
    }
    chunk.reading[j] = chain_.reading(sumA, sumB);
}

} // namespace model
