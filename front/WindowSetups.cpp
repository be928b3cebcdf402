// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's lab setups and report: a setup opened into the controls as the user would
// type and click them, the controls as a setup, the fields a press reads, the report.

#include "front/Window.h"

#include "views/Fields.h"
#include "views/Scenes.h"

namespace front {

namespace {
constexpr const char* kSideLobes = "chkLepestok";
constexpr const char* kSamplingRate = "cboFd";
} // namespace

// The window's controls as a setup opens into them, each change recorded.
class Window::Recorder : public SetupControls {
public:
    explicit Recorder(Window& window) : window_(window) {}
    void type(model::Quantity quantity, const std::string& text) override {
        changes.append(window_.type(views::field(quantity).control, text));
    }
    void chooseScene(model::Scene scene) override {
        changes.append(window_.chooseScene(views::sceneLook(scene).option));
    }
    void chooseSamplingRate(int index) override {
        changes.append(window_.choose(kSamplingRate, index));
    }
    void chooseColour(int object, int row) override {
        changes.append(window_.chooseColour(object, row));
    }
    void restartNoise(std::uint64_t seed) override { window_.session_.restartNoise(seed); }
    bool sideLobesTicked() const override { return window_.control(kSideLobes).checked; }
    void clickSideLobes(bool ticked) override { changes.append(window_.tickSideLobes(ticked)); }
    void chooseReceiver(std::optional<views::ReceiverModel> receiver,
                        std::optional<model::Switching> switching) override {
        changes.append(window_.chooseReceiver(receiver, switching));
    }

    Changes changes;

private:
    Window& window_;
};

Changes Window::openSetup(std::string_view bytes, const std::string& fileName) {
    if (pressing())
        return {};
    Setup setup;
    try {
        setup = readSetup(bytes);
    } catch (const SetupError& error) {
        return refuseSetupFile(fileName, error.what());
    }
    return openSetup(setup);
}

Changes Window::openSetup(const Setup& setup) {
    Recorder recorder(*this);
    applySetup(setup, recorder);
    return std::move(recorder.changes);
}

Changes Window::refuseSetupFile(const std::string& fileName, const std::string& why) const {
    Changes changes;
    changes.box = MessageBox{MessageBox::Icon::Warning, setupRefusedTitle(),
                             setupRefusedMessage(fileName, why)};
    return changes;
}

Setup Window::setup() const {
    Setup setup;
    const views::FieldTexts texts = fieldTexts();
    for (const views::Field& field : views::fields())
        if (field.quantity != model::Quantity::SamplingRate)
            setup.fields[field.quantity] = texts[field.quantity];
    setup.scene = texts.scene;
    setup.sideLobes = control(kSideLobes).checked;
    setup.samplingRate = texts.samplingRateIndex;
    for (int object = 0; object < 2; ++object)
        for (int row = 0; row < kColourCount; ++row)
            if (control(colourItemName(object, row)).checked)
                setup.colourRow[object] = row;
    setup.seed = session_.noiseSeed();
    if (receiver_ != views::ReceiverModel::Course) { // a course setup reads as it always did
        setup.receiver = receiver_;
        setup.switching = switching_;
    }
    return setup;
}

// The scene of the option selected.
model::Scene Window::scene() const {
    for (const views::SceneLook& look : views::sceneLooks())
        if (control(look.option).checked)
            return look.scene;
    return model::Scene::ExtendedTarget;
}

views::FieldTexts Window::fieldTexts() const {
    views::FieldTexts texts = defaultFieldTexts();
    for (const views::Field& field : views::fields())
        if (field.quantity != model::Quantity::SamplingRate)
            texts[field.quantity] = control(field.control).text;
    texts.scene = scene();
    texts.samplingRateIndex = control(kSamplingRate).index;
    texts.receiver = receiver_;
    texts.switching = switching_;
    return texts;
}

Report Window::report(const views::ExperimentLog* experiment, const std::string& when,
                      const std::string& version) const {
    return makeReport(session_, setup(), experiment, when, separator_, version,
                      highContrast_ ? &contrastPictures_ : nullptr);
}

} // namespace front
