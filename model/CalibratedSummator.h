// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The calibrated receiver's summator: one press, period after period of 5000 samples,
// the receiver running continuously from the filters' settled state.
//
// Per period: the detector's samples (from the period's own run of the stream), the
// filters' response from rest (model/CalibratedChain.h) at the summed positions, in
// parallel, on every core; then, in period order, the gain drift and the state each
// period starts in; then, in parallel again, each period's filter output (its response
// from rest times its gain 1 + δ, plus its start state's response), converted and summed
// into its reading:
//   modulated:   (sumA − sumB) calibrated in kelvin, the first window minus the second;
//   total power: the mean level calibrated in kelvin with the nominal Kp, − Tprm − Ta2.
// Any number of threads, any split of the press into runs of periods, and responses from
// rest computed elsewhere (a page's helper workers) give the same readings, bit for bit.

#include "model/CalibratedChain.h"
#include "model/Noise.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace model {

// The readings' statistics, added in period order (Welford's running mean and sum of
// squared deviations).
struct CalibratedStatistics {
    std::int64_t count = 0;
    double mean = 0;
    double squares = 0; // Σ (x − mean)²
    void add(double reading) {
        ++count;
        const double deviation = reading - mean;
        mean += deviation / static_cast<double>(count);
        squares += deviation * (reading - mean);
    }
    // The standard error of the mean reading, s/√N with the sample spread s; 0 for one
    // reading.
    double standardError() const;
};

// What a run of periods' front ends and filters leave for the rest of the summator: per
// period the filters' response from rest at the summed positions (countAll() of them) and
// the state they end in. A page computes these in helper workers.
struct CalibratedPartials {
    std::vector<double> summed;
    std::vector<double> ends; // kFilterStates a period
    int periods() const { return static_cast<int>(ends.size() / kFilterStates); }
};

class CalibratedSummator {
public:
    // A ModelError when the inputs have no meaning (checkCalibratedInputs) or the filters
    // pass nothing. threads 0: one per core.
    explicit CalibratedSummator(const CalibratedInputs& inputs,
                                const NoiseKernel& kernel = selectedNoiseKernel(), int threads = 0);
    // A press of a chain already built (many presses of the same inputs, as an experiment
    // makes them).
    explicit CalibratedSummator(const CalibratedChain& chain,
                                const NoiseKernel& kernel = selectedNoiseKernel(), int threads = 0);
    ~CalibratedSummator();
    CalibratedSummator(const CalibratedSummator&) = delete;
    CalibratedSummator& operator=(const CalibratedSummator&) = delete;

    const CalibratedChain& chain() const { return chain_; }

    // The press's next `periods` periods, each taking its run of the stream in turn; their
    // readings are added to `statistics` in order (and appended to `readings` when given);
    // the stream moves past them. The first period of the press starts the drift from its
    // stationary law and the filters from their settled state. A ModelError
    // (SignalNotFinite) for the first period whose reading is not finite.
    void run(UniformSource& stream, std::int64_t periods, CalibratedStatistics& statistics,
             std::vector<double>* readings = nullptr);

    // The partials of `periods` successive periods of the stream `seed`, the first one's run
    // starting at `firstUniform`: the share of a press a helper computes.
    CalibratedPartials partials(std::uint32_t seed, std::uint64_t firstUniform, int periods);
    // The next given.periods() periods with their partials computed elsewhere, from the
    // stream's position: the same numbers as run() to the last bit.
    void run(UniformSource& stream, const CalibratedPartials& given,
             CalibratedStatistics& statistics, std::vector<double>* readings = nullptr);

    std::int64_t periodsDone() const { return periodsDone_; }
    // The converter's samples the last period added: the first window's, then the second's.
    const std::vector<double>& lastSummed() const { return lastSummed_; }
    // Where the press stands: the filters' state at the start of the next period and the
    // gain drift δ of the last period run.
    const FilterState& filterState() const { return state_; }
    double gainDrift() const { return drift_; }
    int threads() const { return threads_; }

private:
    struct Workspace;
    struct Chunk;
    void runChunk(UniformSource& stream, int periods, CalibratedStatistics& statistics,
                  std::vector<double>* readings, const CalibratedPartials* given, int givenFrom);
    void fromRest(Chunk& chunk, int first, int size, Workspace& work) const;
    void convertAndSum(Chunk& chunk, int period) const;

    CalibratedChain chain_;
    const NoiseKernel& kernel_;
    int threads_;
    std::vector<std::unique_ptr<Workspace>> workspaces_;
    std::unique_ptr<Chunk> chunk_;
    std::vector<double> lastSummed_;
    FilterState state_{};
    double drift_ = 0;
    std::int64_t periodsDone_ = 0;
};

} // namespace model
