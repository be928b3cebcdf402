// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The summator's press: Tint modulation periods through the whole chain, the settling of
// the accumulated mean in the picture, and the measurement results beside the formulas.

#include "model/Summator.h"
#include "views/Blocks.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace views {

// Periods between two looks at the progress: a few milliseconds of work on two cores,
// a few tens on one core of an old processor, so "Отмена" answers within 0.1 s.
inline constexpr std::int64_t kPeriodsPerBatch = 128;

// One press of the summator in batches of periods, for a caller that looks at its progress
// (or lets a page's worker take its messages) between two batches. The state is the press's
// own copy; it is read and moved on as the periods run.
class SummatorRun {
public:
    SummatorRun(const Press& press, model::ReceiverState& state);
    ~SummatorRun();
    SummatorRun(const SummatorRun&) = delete;
    SummatorRun& operator=(const SummatorRun&) = delete;

    bool finished() const { return done_ >= periods_; }
    std::int64_t periodsDone() const { return done_; }
    std::int64_t periodsTotal() const { return periods_; }
    // The next batch of periods; a ModelError for a fault met in it.
    void runBatch();
    // The same with its periods' front ends and filters computed elsewhere (a page's helper
    // workers), from the next batch's place of the stream and the press's settings.
    struct Batch {
        std::uint32_t seed;
        std::uint64_t firstUniform;
        int periods;
    };
    Batch nextBatch() const;
    const model::SummatorSettings& settings() const;
    void runBatch(const model::PeriodPartials& given);
    // Once finished: the picture of the accumulation and the results; a ModelError for a
    // result that cannot be computed.
    ViewOutput draw(canvas::Canvas& canvas);

private:
    struct Parts;
    const Press& press_;
    model::ReceiverState& state_;
    std::unique_ptr<Parts> parts_;
    std::int64_t periods_ = 0;
    std::int64_t done_ = 0;
};

// The accumulation picture: the running mean of buffer[1..countA] (the samples added to
// the first window's sum in the last period) against the samples added, and a magenta
// line at the final mean; the running means noted.
void drawAccumulation(canvas::Canvas& canvas, const std::vector<double>& buffer, int countA,
                      std::vector<double>& runningMeans);

ViewOutput summatorView(const Press& press, model::ReceiverState& state, canvas::Canvas& canvas,
                        Progress* progress);

} // namespace views
