// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The summator: once per modulation period (5000 samples) it runs the whole chain,
// switch to ADC, and adds up the ADC samples synchronously with the modulator: those
// taken while the first input is connected into sumA, those of the second into sumB.
// Their difference, scaled by the receiver's calibration, is the period's reading of the
// antenna-temperature difference.
//
// The periods are computed in parallel, on every core: each period's noise starts at a
// known place of the counter-based stream, the periods' filters are independent, and the
// only thing one period hands to the next, the running extremes of the two-section filter
// that set the converter's range, is a prefix taken in order. So any number of threads
// gives the readings of one thread, bit for bit.

#include "model/Chain.h"
#include "model/ChainNoise.h"
#include "model/PeriodKernels.h"
#include "model/ReceiverState.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace model {

inline constexpr int kSummatorBufferLast = 10000; // the accumulation buffer's last index
// Uniform numbers one period takes from the stream.
inline constexpr std::uint64_t kUniformsPerPeriod = uniformsOf(kSamplesPerPeriod, kChainDraws);

// The sample positions k of one period that the summator adds, for sampling step s:
// k = 1, 1 + s, 1 + 2s, ... is tested at j = k + s − 1 against the windows 500..2500
// (first input) and 3000..5000 (second input).
struct SummationWindows {
    std::vector<int> first;  // positions added to sumA, in order
    std::vector<int> second; // positions added to sumB, in order
    int countAll() const { return static_cast<int>(first.size() + second.size()); }
    int countA() const { return static_cast<int>(first.size()); }
};
SummationWindows summationWindows(int samplingStep);

struct SummatorSettings {
    InputTemperatures temperatures;
    AmplifierSettings amplifier; // kp is not used: the summator's gain is fixed
    double f1 = 0;               // single-section filter cut-off, Hz
    double f2 = 0;               // two-section filter cut-off, Hz
    double wordLength = 0;       // ADC word length n, bits
    int samplingStep = 100;
};

// The accumulation times a press accepts, ms: at least one period, at most about a
// minute of work. A ModelError (AccumulationTooShort, AccumulationTooLong) beyond.
inline constexpr double kShortestAccumulation = 1;
inline constexpr double kLongestAccumulation = 1e6;
void checkAccumulation(double accumulationMs, const std::string& typed);

// The calibrated reading of one pass: 10⁻³·((sumA − sumB)·1.85115)·862.225 / countAll.
double summatorReading(double sumA, double sumB, int countAll);

// The statistics of the readings.
struct SummatorStatistics {
    double sumX = 0;
    double sumX2 = 0;
    double passes = 0;
    void add(double reading) {
        sumX += reading;
        sumX2 += reading * reading;
        passes += 1;
    }
    double mean() const { return sumX / passes; }
    // √(Σx² − (Σx)²/N) / N: the spread of the mean of N readings; a tiny negative
    // difference left by rounding counts as 0.
    double spreadOfMean() const;
};

// What the front ends and filters of a run of periods leave for the rest of the summator:
// per period the two-section filter's largest and smallest output and its samples at the
// summed positions (summedPerPeriod() of them). A page computes these in helper workers,
// each on its own core, as the desktop's threads do.
struct PeriodPartials {
    std::vector<double> largest;
    std::vector<double> smallest;
    std::vector<double> summed;
    int periods() const { return static_cast<int>(largest.size()); }
};

// One press of the summator: the settings converted once, the workspaces made once, then
// the periods in runs of any length.
class Summator {
public:
    // threads 0: one per core.
    explicit Summator(const SummatorSettings& settings,
                      const PeriodKernel& kernel = selectedPeriodKernel(), int threads = 0);
    ~Summator();
    Summator(const Summator&) = delete;
    Summator& operator=(const Summator&) = delete;

    // The next `periods` modulation periods of the accumulation on the state, each taking
    // its noise from the state's stream in turn. Their readings are added to `statistics`
    // in period order; the running extremes go on from the periods before; the state's
    // buffers end holding the last period whole, as the receiver's description leaves
    // them, its stream moved past every period and its generators' last samples set.
    // A ModelError for the first period that meets a fault: a zero ADC range
    // (ZeroAdcRange) or a sample that is not finite (SignalNotFinite, naming no field:
    // the press names those its block reads); the state is then left part-way. Each
    // period's reading is also appended to `readings` when one is given.
    void run(ReceiverState& state, std::int64_t periods, SummatorStatistics& statistics,
             std::vector<double>* readings = nullptr);

    // The same with the front ends and filters of the periods computed elsewhere: the run
    // takes given.periods() periods from the state's stream as run() does, with the same
    // numbers to the last bit (the last period, which the state keeps whole, is computed
    // again here).
    void run(ReceiverState& state, const PeriodPartials& given, SummatorStatistics& statistics,
             std::vector<double>* readings = nullptr);

    // The partials of `periods` successive periods of the stream `seed`, the first starting
    // at uniform `firstUniform`: the share of a run a helper computes.
    PeriodPartials partials(std::uint32_t seed, std::uint64_t firstUniform, int periods);
    std::size_t summedPerPeriod() const { return positions_.size(); }

    // One period; returns its reading.
    double runPass(ReceiverState& state);

    // Elements 1..countA() hold the samples the last period added to sumA.
    const std::vector<double>& buffer() const { return buffer_; }
    const SummationWindows& windows() const { return windows_; }
    // f2max − f2min after the last period run.
    double adcRange() const { return f2max_ - f2min_; }
    int threads() const { return threads_; }

private:
    struct Workspace;
    struct Chunk;
    // A chunk of periods; with `given`, their partials from index `givenFrom` on.
    void runChunk(ReceiverState& state, int periods, SummatorStatistics& statistics,
                  std::vector<double>* readings, const PeriodPartials* given = nullptr,
                  int givenFrom = 0);
    // Periods first..first + size − 1 of the chunk (at most a group); the state's buffers
    // receive the one the state keeps whole.
    void frontEndsAndFilters(ReceiverState* state, Chunk& chunk, int first, int size,
                             Workspace& work);
    void quantiseAndSum(ReceiverState& state, Chunk& chunk, int group);

    SummatorSettings settings_;
    const PeriodKernel& kernel_;
    int threads_;
    double filter1Coefficient_;
    double filter2Coefficient_;
    double adcLevels_;
    SummationWindows windows_;
    std::vector<int> positions_;  // windows_.first then windows_.second
    std::vector<SwitchRun> runs_; // the inputs the switch connects over a period
    std::vector<std::unique_ptr<Workspace>> workspaces_; // one per thread
    std::unique_ptr<Chunk> chunk_;
    std::vector<double> buffer_; // indices 0..10000
    double f2max_ = 0;           // kept from period to period
    double f2min_ = 0;
};

// What the summator reports: the readings' statistics beside the radiometer's formulas.
struct SummatorResults {
    double realSensitivity = 0;
    double potentialSensitivity = 0;
    double brightnessDifference = 0; // |T1 − T2|
    double antennaDifference = 0;    // |Ta1 − Ta2|
    double measuredDifference = 0;   // m, the mean reading
    double ta1 = 0;
    double ta2 = 0;
};
// The results of a press; the potential sensitivity keeps the accumulation time as typed.
// A ModelError (ZeroMeasuredDifference) when the mean reading is 0.
SummatorResults summatorResults(const SummatorStatistics& statistics, double receiverNoise,
                                double t1, double t2, double accumulationMs,
                                const InputTemperatures& temperatures);

} // namespace model
