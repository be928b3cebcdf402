// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/HeadlessWindow.h"

#include "front/ControlTable.h"
#include "views/Fields.h"

namespace front {

const std::vector<std::string>& windowLabelNames() {
    static const std::vector<std::string> names = {"lblname",   "lblTa1",   "lblTa2",
                                                   "lblmo",     "lblmo1",   "lblexit",
                                                   "lblEnterT", "lblEnter", "lblRmax"};
    return names;
}

std::optional<views::Block> blockOfButton(const std::string& button) {
    for (const views::BlockDescription& description : views::blockDescriptions())
        if (button == description.button)
            return description.block;
    return std::nullopt;
}

HeadlessWindow::HeadlessWindow()
    : texts_(defaultFieldTexts()), colours_{startColourRow(0), startColourRow(1)} {
    for (const std::string& name : windowLabelNames())
        labels_[name] = controlText(name);
    for (const model::Result result : model::kResults)
        labels_[resultLabel(result)] = unsetResultText(result);
}

void HeadlessWindow::type(model::Quantity quantity, const std::string& text) {
    texts_[quantity] = text;
}

void HeadlessWindow::chooseScene(model::Scene scene) {
    texts_.scene = scene;
    session_.chooseScene(scene);
}

void HeadlessWindow::chooseSamplingRate(int index) {
    texts_.samplingRateIndex = index;
}

void HeadlessWindow::chooseColour(int object, int row) {
    colours_[object] = row;
    session_.chooseColour(object, row);
}

std::optional<Warning> HeadlessWindow::clickSideLobes(bool ticked) {
    std::optional<Warning> refused =
        session_.tickSideLobes(ticked, texts_[model::Quantity::SideLobeFraction],
                               texts_[model::Quantity::SideLobeTemperature]);
    sideLobes_ = ticked && !refused;
    return refused;
}

std::optional<Warning> HeadlessWindow::open(const Setup& setup) {
    // The window's own controls; the side-lobe box's warning kept to be returned.
    struct Controls : SetupControls {
        explicit Controls(HeadlessWindow& window) : window_(window) {}
        void type(model::Quantity quantity, const std::string& text) override {
            window_.type(quantity, text);
        }
        void chooseScene(model::Scene scene) override { window_.chooseScene(scene); }
        void chooseSamplingRate(int index) override { window_.chooseSamplingRate(index); }
        void chooseColour(int object, int row) override { window_.chooseColour(object, row); }
        void restartNoise(std::uint64_t seed) override { window_.session_.restartNoise(seed); }
        bool sideLobesTicked() const override { return window_.sideLobes_; }
        void clickSideLobes(bool ticked) override { warning = window_.clickSideLobes(ticked); }
        HeadlessWindow& window_;
        std::optional<Warning> warning;
    } controls(*this);
    applySetup(setup, controls);
    return controls.warning;
}

Setup HeadlessWindow::setup() const {
    Setup setup;
    for (const views::Field& field : views::fields())
        if (field.quantity != model::Quantity::SamplingRate)
            setup.fields[field.quantity] = texts_[field.quantity];
    setup.scene = texts_.scene;
    setup.sideLobes = sideLobes_;
    setup.samplingRate = texts_.samplingRateIndex;
    setup.colourRow[0] = colours_[0];
    setup.colourRow[1] = colours_[1];
    setup.seed = session_.noiseSeed();
    return setup;
}

HeadlessWindow::Pressed HeadlessWindow::press(views::Block block, char decimalSeparator) {
    Pressed pressed;
    const std::map<std::string, std::string> before = labels_;
    try {
        const PressOpening opening = session_.open(block, texts_, decimalSeparator);
        pressed.beamFilled = opening.beamFilled;
        for (const auto& [label, text] : openingLabels(opening))
            labels_[label] = text;
        PressRun run = session_.run(opening, decimalSeparator);
        for (const auto& [label, text] : resultLabels(run.outcome.texts))
            labels_[label] = text;
        pressed.picture = run.recording;
        session_.keep(opening, std::move(run));
    } catch (const PressFailed& failed) {
        labels_ = before;
        pressed.warning = failed.warning();
    }
    return pressed;
}

} // namespace front
