// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/FaultCauses.h"

#include "canvas/NullCanvas.h"
#include "model/Numbers.h"

#include <algorithm>
#include <memory>

namespace front {

namespace {

using model::FaultKind;
using model::Quantity;

// The summator is tried again over at most this many periods: a fault of the chain shows
// in its first period (every period starts the filters from rest), and a result that
// overflows does so long before.
constexpr double kTrialPeriods = 64;

// The kind of fault the press meets with these texts; none when it succeeds.
std::optional<FaultKind> trial(views::Block block, const views::FieldTexts& texts,
                               const model::ReceiverState& before, bool throughChain) {
    try {
        const views::Press press = views::preparePress(block, texts, before);
        if (throughChain) {
            auto state = std::make_unique<model::ReceiverState>(before);
            canvas::NullCanvas nowhere;
            views::runPressOutcome(press, *state, nowhere, '.', nullptr);
        }
        return std::nullopt;
    } catch (const views::PressError& error) {
        return error.fault().kind;
    }
}

bool sameNumber(const std::string& a, const std::string& b) {
    const model::ParseResult x = model::parseNumber(a);
    const model::ParseResult y = model::parseNumber(b);
    return x.ok() && y.ok() && x.value == y.value;
}

// The texts of the trials: the summator's accumulation cut to a few periods.
views::FieldTexts trialTexts(views::Block block, views::FieldTexts texts, bool throughChain) {
    if (block == views::Block::Summator && throughChain) {
        std::string& accumulation = texts[Quantity::Accumulation];
        const model::ParseResult typed = model::parseNumber(accumulation);
        if (typed.ok() && typed.value > kTrialPeriods)
            accumulation = model::formatNumber(kTrialPeriods, '.');
    }
    return texts;
}

} // namespace

bool isAttributable(FaultKind kind) {
    return kind == FaultKind::SignalNotFinite || kind == FaultKind::ResultNotFinite ||
           kind == FaultKind::PointTargetNotFinite || kind == FaultKind::ZeroMeasuredDifference;
}

std::vector<Quantity> fieldsReadBy(views::Block block, model::Scene scene) {
    std::vector<Quantity> fields;
    const auto add = [&fields](Quantity quantity) {
        if (quantity != Quantity::SamplingRate &&
            std::find(fields.begin(), fields.end(), quantity) == fields.end())
            fields.push_back(quantity);
    };
    if (scene == model::Scene::PointTarget)
        for (const Quantity quantity :
             {Quantity::TargetArea, Quantity::FlightHeight, Quantity::Frequency,
              Quantity::Temperature1, Quantity::Temperature2, Quantity::Accumulation,
              Quantity::Bandwidth})
            add(quantity);
    for (const Quantity quantity : views::describe(block).fields)
        add(quantity);
    return fields;
}

std::vector<Quantity> faultCauses(views::Block block, const views::FieldTexts& texts,
                                  const GoodTexts& good, const model::ReceiverState& before,
                                  FaultKind kind, bool throughChain) {
    const views::FieldTexts typed = trialTexts(block, texts, throughChain);
    // The fields typed otherwise than at their last good press.
    std::vector<Quantity> changed;
    for (const Quantity quantity : fieldsReadBy(block, texts.scene)) {
        if (throughChain && quantity == Quantity::Accumulation)
            continue; // the trials cut it
        const auto& kept = good[static_cast<std::size_t>(quantity)];
        if (kept && !sameNumber(*kept, typed[quantity]))
            changed.push_back(quantity);
    }
    if (changed.empty() || trial(block, typed, before, throughChain) != kind)
        return {}; // nothing to set back, or the trials do not meet the fault at all

    std::vector<Quantity> causes;
    for (const Quantity quantity : changed) {
        views::FieldTexts setBack = typed;
        setBack[quantity] = *good[static_cast<std::size_t>(quantity)];
        if (trial(block, setBack, before, throughChain) != kind)
            causes.push_back(quantity);
    }
    if (causes.empty() && changed.size() > 1) {
        views::FieldTexts setBack = typed;
        for (const Quantity quantity : changed)
            setBack[quantity] = *good[static_cast<std::size_t>(quantity)];
        if (trial(block, setBack, before, throughChain) != kind)
            causes = changed;
    }
    return causes;
}

} // namespace front
