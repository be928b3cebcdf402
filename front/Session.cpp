// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Session.h"

#include "front/ControlTable.h"
#include "front/Setup.h"
#include "model/Numbers.h"
#include "views/Fields.h"
#include "views/Messages.h"
#include "views/SummatorView.h"

#include <utility>

namespace front {

namespace {

// The warning of a press refused: the fault's fields set to those that caused it, where
// the trials can tell.
Warning warningOf(const views::PressError& error, const std::string& title, views::Block block,
                  const views::FieldTexts& texts, const GoodTexts& good,
                  const model::ReceiverState& before, bool throughChain) {
    model::Fault fault = error.fault();
    if (isAttributable(fault.kind)) {
        std::vector<model::Quantity> causes =
            faultCauses(block, texts, good, before, fault.kind, throughChain);
        if (!causes.empty())
            fault.quantities = std::move(causes);
    }
    return {title, views::message(fault, texts.scene), fault.quantities};
}

} // namespace

std::string Warning::focusControl() const {
    return fields.empty() ? std::string() : views::field(fields.front()).control;
}

views::FieldTexts defaultFieldTexts() {
    views::FieldTexts texts;
    for (const views::Field& field : views::fields())
        texts[field.quantity] = controlText(field.control);
    texts.scene = model::Scene::ExtendedTarget;
    texts.samplingRateIndex = startSamplingRateItem();
    return texts;
}

LabelTexts openingLabels(const PressOpening& opening) {
    LabelTexts texts;
    for (const model::Result result : model::kResults)
        texts.emplace_back(resultLabel(result), unsetResultText(result));
    texts.emplace_back("lblname", opening.press.title);
    texts.emplace_back("lblRmax", opening.range);
    return texts;
}

LabelTexts resultLabels(const views::ResultTexts& results) {
    LabelTexts texts;
    for (const views::ResultText& item : results.items)
        texts.emplace_back(resultLabel(item.result), item.text);
    return texts;
}

Session::Session() : state_(std::make_unique<model::ReceiverState>()) {
    model::applyStartupDefaults(*state_);
    const views::FieldTexts defaults = defaultFieldTexts();
    for (const views::Field& field : views::fields())
        if (model::parseNumber(defaults[field.quantity]).ok())
            good_[static_cast<std::size_t>(field.quantity)] = defaults[field.quantity];
}

PressOpening Session::open(views::Block block, const views::FieldTexts& texts,
                           char decimalSeparator) const {
    PressOpening opening;
    opening.texts = texts;
    try {
        opening.press = views::preparePress(block, texts, *state_);
    } catch (const views::PressError& error) {
        throw PressFailed(
            warningOf(error, views::inputErrorTitle(), block, texts, good_, *state_, false));
    }
    if (const auto& target = opening.press.pointTarget) {
        opening.beamFilled = target->beam.filled;
        if (!target->beam.filled)
            opening.range = views::rangeText(target->range, decimalSeparator);
    }
    return opening;
}

PressJob::PressJob(const Session& session, const PressOpening& opening, char decimalSeparator)
    : session_(session), opening_(opening),
      state_(std::make_unique<model::ReceiverState>(*session.state_)),
      recording_(std::make_unique<canvas::RecordingCanvas>()) {
    try {
        computation_ = std::make_unique<views::PressComputation>(opening.press, *state_,
                                                                 *recording_, decimalSeparator);
    } catch (const views::PressError& error) {
        throw PressFailed(warningOf(error, views::computeErrorTitle(), opening.press.block,
                                    opening.texts, session.good_, *session.state_, true));
    }
}

PressJob::~PressJob() = default;

bool PressJob::step() {
    return step(model::PeriodPartials{});
}

bool PressJob::step(const model::PeriodPartials& given) {
    try {
        return computation_->step(given);
    } catch (const views::PressError& error) {
        throw PressFailed(warningOf(error, views::computeErrorTitle(), opening_.press.block,
                                    opening_.texts, session_.good_, *session_.state_, true));
    }
}

PressRun PressJob::takeRun() {
    PressRun run;
    run.outcome = computation_->takeOutcome();
    run.state = std::move(state_);
    run.recording = std::move(*recording_);
    return run;
}

PressRun Session::run(const PressOpening& opening, char decimalSeparator,
                      views::Progress* progress) const {
    PressJob job(*this, opening, decimalSeparator);
    while (!job.step())
        if (progress && !progress->keepGoing(job.done(), job.total()))
            throw views::PressCancelled();
    return job.takeRun();
}

void Session::keep(const PressOpening& opening, PressRun&& run) {
    KeptPress& kept = kept_[opening.press.block];
    kept.title = opening.press.title;
    kept.labels = openingLabels(opening);
    for (const auto& [label, text] : resultLabels(run.outcome.texts))
        for (auto& shown : kept.labels)
            if (shown.first == label)
                shown.second = text;
    kept.picture = run.recording;
    kept.first = {run.state->obj1Red, run.state->obj1Green, run.state->obj1Blue};
    kept.second = {run.state->obj2Red, run.state->obj2Green, run.state->obj2Blue};
    *state_ = std::move(*run.state); // the state stays where the window's readers know it
    record_ = std::move(run.outcome.record);
    for (const model::Quantity quantity : fieldsReadBy(opening.press.block, opening.texts.scene)) {
        const std::string& text = opening.texts[quantity];
        if (model::parseNumber(text).ok()) // a field the point target did not read after all
            good_[static_cast<std::size_t>(quantity)] = text;
    }
}

const views::SceneLook& Session::chooseScene(model::Scene scene) {
    const model::InputTitles titles = model::inputTitles(scene);
    state_->input1Title = titles.input1;
    state_->input2Title = titles.input2;
    return views::sceneLook(scene);
}

std::optional<Warning> Session::tickSideLobes(bool ticked, const std::string& betaText,
                                              const std::string& tslText) {
    state_->sideLobeFraction = 0.0f;
    state_->sideLobeTemperature = 0;
    if (!ticked)
        return std::nullopt;
    try {
        const float fraction = model::readFloat32(model::Quantity::SideLobeFraction, betaText);
        const std::int16_t temperature =
            model::readInt16(model::Quantity::SideLobeTemperature, tslText);
        state_->sideLobeFraction = fraction;
        state_->sideLobeTemperature = temperature;
        return std::nullopt;
    } catch (const model::ModelError& error) {
        // The scene does not change how β and Tsl are named.
        return Warning{views::inputErrorTitle(),
                       views::message(error.fault(), model::Scene::ExtendedTarget),
                       error.fault().quantities};
    }
}

void Session::restartNoise(std::uint64_t seed) {
    state_->uniform = model::UniformSource(streamSeed(seed));
    state_->lastNoise1 = 0;
    state_->lastNoise2 = 0;
    seed_ = seed;
}

void Session::chooseColour(int object, int row) {
    const ColourRow& colour = colourRows()[row];
    if (object == 0) {
        state_->obj1Red = colour.red;
        state_->obj1Green = colour.green;
        state_->obj1Blue = colour.blue;
    } else {
        state_->obj2Red = colour.red;
        state_->obj2Green = colour.green;
        state_->obj2Blue = colour.blue;
    }
}

} // namespace front
