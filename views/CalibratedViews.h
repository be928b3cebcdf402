// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The presses of the calibrated receiver (model/Calibrated*.h): the block views, each
// drawing its block's signal in the model's own units (√K for the RF stages, volts from
// the detector on) with the course views' colours and reference line, and the summator in
// batches of periods with this receiver's readings.

#include "model/CalibratedInputs.h"
#include "model/CalibratedSummator.h"
#include "model/ReceiverState.h"
#include "views/Blocks.h"
#include "views/Press.h"

#include <string>

#include <cstdint>
#include <memory>
#include <vector>

namespace views {

struct Press;

// The receiver as the caption, a setup's report and an experiment's run name it:
// "калиброванная модель" or "калиброванная модель, полная мощность"; empty for the
// course model, which goes unsaid.
std::string receiverName(ReceiverModel receiver, model::Switching switching);

// The calibrated receiver's inputs for a press: the fields the block read; those it did
// not read (they shape no stage the block shows) at values that are always valid.
model::CalibratedInputs calibratedInputs(const Press& press, const model::ReceiverState& state);
// A ModelError naming the first field the press read that has no meaning in the
// calibrated receiver (a temperature below 0, a bandwidth, gain or cut-off not above 0,
// a word length that is not a whole number of bits), with the text typed there.
struct FieldTexts;
void checkCalibratedPress(const Press& press, const FieldTexts& texts);

// A block's view in the calibrated receiver, its noise from the state's stream.
ViewOutput calibratedBlockView(const Press& press, model::ReceiverState& state,
                               canvas::Canvas& canvas);

// The calibrated summator's press in batches of periods, as SummatorRun is the course's.
class CalibratedSummatorRun {
public:
    CalibratedSummatorRun(const Press& press, model::ReceiverState& state);
    ~CalibratedSummatorRun();
    CalibratedSummatorRun(const CalibratedSummatorRun&) = delete;
    CalibratedSummatorRun& operator=(const CalibratedSummatorRun&) = delete;

    bool finished() const { return done_ >= periods_; }
    std::int64_t periodsDone() const { return done_; }
    std::int64_t periodsTotal() const { return periods_; }
    void runBatch();
    // Once finished: the accumulation picture and this receiver's readings.
    ViewOutput draw(canvas::Canvas& canvas);

private:
    model::ReceiverState& state_;
    model::CalibratedInputs inputs_;
    std::unique_ptr<model::CalibratedSummator> summator_;
    model::CalibratedStatistics statistics_;
    std::vector<double> readings_;
    double brightness_ = 0; // |T1 − T2| as typed
    std::int64_t periods_ = 0;
    std::int64_t done_ = 0;
};

} // namespace views
