// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CalibratedInputs.h"
#include "CalibratedTestInputs.h"
#include "model/CalibratedSummator.h"
#include "model/Fault.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using model::FaultKind;
using model::Quantity;

TEST(CalibratedInputs, EveryInputWithoutPhysicalMeaningIsRefusedNamingItsField) {
    using In = model::CalibratedInputs;
    struct Refusal {
        Quantity field;
        double In::*member; // null: the sampling step
        double value;
        FaultKind kind;
    };
    const Refusal refusals[] = {
        {Quantity::Temperature1, &In::ta1, -0.5, FaultKind::Negative},
        {Quantity::Temperature2, &In::ta2, -1, FaultKind::Negative},
        {Quantity::ReceiverNoise, &In::tprm, -100, FaultKind::Negative},
        {Quantity::Bandwidth, &In::bandwidth, 0, FaultKind::NotPositive},
        {Quantity::Bandwidth, &In::bandwidth, -900, FaultKind::NotPositive},
        {Quantity::Gain, &In::gain, 0, FaultKind::NotPositive},
        {Quantity::Gain, &In::gain, -4, FaultKind::NotPositive},
        {Quantity::GainInstability, &In::gainInstability, -1, FaultKind::Negative},
        {Quantity::Cutoff1, &In::cutoff1, 0, FaultKind::NotPositive},
        {Quantity::Cutoff2, &In::cutoff2, -7000, FaultKind::NotPositive},
        {Quantity::WordLength, &In::wordLength, 0, FaultKind::WordLengthNotWhole},
        {Quantity::WordLength, &In::wordLength, 0.5, FaultKind::WordLengthNotWhole},
        {Quantity::WordLength, &In::wordLength, 12.5, FaultKind::WordLengthNotWhole},
        {Quantity::WordLength, &In::wordLength, 1024, FaultKind::WordLengthNotWhole},
        {Quantity::Accumulation, &In::accumulation, 0.5, FaultKind::AccumulationTooShort},
        {Quantity::SamplingRate, nullptr, 0, FaultKind::SamplingRateNotChosen},
        {Quantity::SamplingRate, nullptr, 3000, FaultKind::SamplingRateNotChosen},
    };
    const model::TypedText typed = [](Quantity q) { return "typed " + std::to_string(int(q)); };
    for (const Refusal& refusal : refusals) {
        model::CalibratedInputs in = testing_support::calibratedDefaults();
        if (refusal.member)
            in.*refusal.member = refusal.value;
        else
            in.samplingStep = static_cast<int>(refusal.value);
        const std::string what =
            std::to_string(int(refusal.field)) + " = " + std::to_string(refusal.value);
        try {
            model::checkCalibratedInputs(in, typed);
            ADD_FAILURE() << what << " was accepted";
        } catch (const model::ModelError& error) {
            EXPECT_EQ(error.fault().kind, refusal.kind) << what;
            EXPECT_EQ(error.fault().quantities, std::vector<Quantity>{refusal.field}) << what;
            if (refusal.field != Quantity::SamplingRate) {
                EXPECT_EQ(error.fault().text, typed(refusal.field)) << what;
            }
        }
        // The summator refuses the same inputs before it runs.
        EXPECT_THROW(model::CalibratedSummator summator(in), model::ModelError) << what;
    }
}

TEST(CalibratedInputs, TheLimitsThemselvesAreAccepted) {
    model::CalibratedInputs in = testing_support::calibratedDefaults();
    in.ta1 = in.ta2 = in.tprm = in.gainInstability = 0;
    in.bandwidth = 1e-3;
    in.gain = 1e-6;
    for (const double n : {1.0, 1023.0}) {
        in.wordLength = n;
        EXPECT_NO_THROW(model::checkCalibratedInputs(in));
    }
    EXPECT_NO_THROW(model::checkCalibratedTemperature(Quantity::Temperature1, 0));
    EXPECT_THROW(model::checkCalibratedTemperature(Quantity::SideLobeTemperature, -1),
                 model::ModelError);
    in.accumulation = 2.5; // one period per whole millisecond
    EXPECT_EQ(model::calibratedPeriods(in), 2);
}

} // namespace
