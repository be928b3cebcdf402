// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Window.h"

#include "front/ControlTable.h"
#include "front/Texts.h"
#include "i18n/Translate.h"
#include "views/Fields.h"
#include "views/Messages.h"
#include "views/Scenes.h"

#include <utility>

namespace front {

namespace {

constexpr const char* kSideLobes = "chkLepestok";
constexpr const char* kSamplingRate = "cboFd";
constexpr const char* kSaveData = "actSaveData";

bool isResultLabel(const std::string& name) {
    for (const model::Result result : model::kResults)
        if (name == resultLabel(result))
            return true;
    return false;
}

} // namespace

void Changes::append(Changes&& later) {
    for (ControlChange& change : later.controls)
        controls.push_back(std::move(change));
    if (later.caption)
        caption = std::move(later.caption);
    if (later.box && (!box || later.refused()))
        box = std::move(later.box); // a refusal outweighs the information before it
    if (!later.focus.empty())
        focus = std::move(later.focus);
    picture = picture || later.picture;
    pressing = later.pressing;
    done = later.done;
    total = later.total;
    showProgress = later.showProgress;
    close = close || later.close;
    if (!later.announcement.empty())
        announcement = std::move(later.announcement);
    look = look || later.look;
}

Window::Window(char decimalSeparator)
    : separator_(decimalSeparator == '.' ? '.' : ','), caption_(windowCaption()) {
    for (const Control& control : formControls()) {
        ControlState& made = controls_[control.name];
        // A field's default is a number; every other text a caption in the user's language.
        made.text = control.kind == Kind::Field ? control.text : i18n::tr(control.text);
        made.enabled = control.enabled;
        made.checked = control.selected;
    }
    state(kSamplingRate).index = startSamplingRateItem();
    for (const views::BlockDescription& block : views::blockDescriptions())
        state(block.button).toolTip = views::blockTooltip(block.block);
    for (const MenuText& menu : {graphicsMenu(), objectMenu(0), objectMenu(1)})
        state(menu.name).text = i18n::tr(menu.caption);
    for (int object = 0; object < 2; ++object)
        for (int row = 0; row < kColourCount; ++row) {
            ControlState& item = state(colourItemName(object, row));
            item.text = i18n::tr(colourRows()[row].caption);
            item.checked = row == startColourRow(object);
        }
    for (const Tool& tool : pictureTools())
        state(tool.name).text = toolCaption(tool);
    for (const ToolSubmenu& submenu : toolSubmenus())
        state(submenu.name).text = i18n::tr(submenu.caption);
    state("actCourseModel").checked = true;
    state("actTotalPower").enabled = false; // the course receiver is always modulated
    state(kSaveData).enabled = false;       // nothing drawn yet
    for (auto& [name, made] : controls_)
        made.accessibleName = accessibleName(name, made.text, model::Scene::ExtendedTarget);
}

Window::~Window() = default;

ControlState& Window::state(const std::string& name) {
    return controls_[name];
}

const ControlState& Window::control(const std::string& name) const {
    static const ControlState none;
    const auto found = controls_.find(name);
    return found == controls_.end() ? none : found->second;
}

void Window::set(Changes& changes, const std::string& name, unsigned parts,
                 const ControlState& value) {
    ControlState& kept = state(name);
    kept = value;
    std::string spoken = accessibleName(name, kept.text, scene());
    if (spoken != kept.accessibleName) {
        kept.accessibleName = std::move(spoken);
        parts |= kAccessiblePart;
    }
    changes.controls.push_back({name, parts, kept});
}

void Window::setText(Changes& changes, const std::string& name, const std::string& text) {
    ControlState value = control(name);
    value.text = text;
    unsigned parts = kTextPart;
    if (isResultLabel(name)) { // the full reading, for a box too narrow to show it all
        value.toolTip = text;
        parts |= kToolTipPart;
    }
    set(changes, name, parts, value);
}

void Window::setEnabled(Changes& changes, const std::string& name, bool enabled) {
    ControlState value = control(name);
    value.enabled = enabled;
    set(changes, name, kEnabledPart, value);
}

void Window::setCheckedState(Changes& changes, const std::string& name, bool checked) {
    ControlState value = control(name);
    value.checked = checked;
    set(changes, name, kCheckedPart, value);
}

// A warning box; after it the focus goes to the first field it names, if that is open.
void Window::warn(Changes& changes, const Warning& warning) const {
    changes.box = MessageBox{MessageBox::Icon::Warning, warning.title, warning.text};
    const std::string focus = warning.focusControl();
    if (!focus.empty() && control(focus).enabled)
        changes.focus = focus;
}

// ---- the user's actions -------------------------------------------------------------------

Changes Window::type(const std::string& field, const std::string& text) {
    Changes changes;
    if (views::fieldOfControl(field) && field != kSamplingRate)
        setText(changes, field, text);
    return changes;
}

Changes Window::click(const std::string& name) {
    if (pressing())
        return {};
    if (const std::optional<views::Block> block = blockOfButton(name))
        return startPress(*block);
    if (const std::optional<ColourItem> item = colourItemOf(name))
        return chooseColour(item->object, item->row);
    if (name == "actHighContrast")
        return setHighContrast(!highContrast_);
    if (name == "actCourseModel" || name == "actCalibratedModel")
        return chooseReceiver(name == "actCourseModel" ? views::ReceiverModel::Course
                                                       : views::ReceiverModel::Calibrated,
                              std::nullopt);
    if (name == "actTotalPower")
        return chooseReceiver(std::nullopt, switching_ == model::Switching::TotalPower
                                                ? model::Switching::Modulated
                                                : model::Switching::TotalPower);
    Changes changes;
    changes.close = name == "cmdExit";
    return changes;
}

Changes Window::setChecked(const std::string& name, bool checked) {
    if (pressing())
        return {};
    if (name == kSideLobes)
        return tickSideLobes(checked);
    if (checked && views::sceneOfOption(name))
        return chooseScene(name);
    return {};
}

Changes Window::choose(const std::string& list, int index) {
    Changes changes;
    if (list != kSamplingRate || index < 0 || index >= static_cast<int>(samplingRateItems().size()))
        return changes;
    ControlState value = control(list);
    value.index = index;
    set(changes, list, kIndexPart, value);
    return changes;
}

Changes Window::clockTick(int hours, int minutes, int seconds) {
    Changes changes;
    caption_ = receiverCaption(clockCaption(hours, minutes, seconds));
    changes.caption = caption_;
    return changes;
}

// An option selected: the three scene fields open or close, the caption of the second
// input and the two input buttons follow the scene, and its titles go to the session.
Changes Window::chooseScene(const std::string& option) {
    Changes changes;
    const views::SceneLook& look = *views::sceneOfOption(option);
    if (control(option).checked)
        return changes;
    for (const views::SceneLook& other : views::sceneLooks())
        setCheckedState(changes, other.option, other.scene == look.scene);
    for (const model::Quantity quantity :
         {model::Quantity::FlightHeight, model::Quantity::Frequency, model::Quantity::TargetArea})
        setEnabled(changes, views::field(quantity).control, look.sceneFieldsEnabled);
    setText(changes, "lblT2", i18n::tr(look.lblT2));
    setText(changes, views::describe(views::Block::NoiseEquivalent).button, i18n::tr(look.btnT2));
    setText(changes, views::describe(views::Block::Antenna).button, i18n::tr(look.btnT1));
    session_.chooseScene(look.scene);
    renameFields(changes); // txtT2 is the noise equivalent, the background or the target
    return changes;
}

// The side-lobe box: unticked, its two fields close and the pair goes to 0 and 0; ticked,
// they open and β and Tsl are read; when they cannot be, the box unticks itself and the
// fields stay open for the correction.
Changes Window::tickSideLobes(bool ticked) {
    Changes changes;
    const std::string beta = views::field(model::Quantity::SideLobeFraction).control;
    const std::string tsl = views::field(model::Quantity::SideLobeTemperature).control;
    setCheckedState(changes, kSideLobes, ticked);
    setEnabled(changes, tsl, ticked);
    setEnabled(changes, beta, ticked);
    const std::optional<Warning> refused =
        session_.tickSideLobes(ticked, control(beta).text, control(tsl).text);
    if (refused) {
        setCheckedState(changes, kSideLobes, false);
        warn(changes, *refused);
    }
    return changes;
}

// A colour item: the marks of its submenu written in their order, the colour to the state.
Changes Window::chooseColour(int object, int row) {
    Changes changes;
    for (const int mark : colourMarkOrder())
        setCheckedState(changes, colourItemName(object, mark), mark == row);
    session_.chooseColour(object, row);
    return changes;
}

// ---- a press ------------------------------------------------------------------------------

void Window::showLabels(Changes& changes, const LabelTexts& labels) {
    for (const auto& [label, text] : labels)
        setText(changes, label, text);
}

Changes Window::startPress(views::Block block) {
    Changes changes;
    try {
        opening_ = std::make_unique<PressOpening>(session_.open(block, fieldTexts(), separator_));
    } catch (const PressFailed& failed) {
        warn(changes, failed.warning());
        return changes;
    }
    savedLabels_.clear();
    for (const std::string& name : windowLabelNames())
        savedLabels_.emplace_back(name, control(name).text);
    showLabels(changes, openingLabels(*opening_));
    if (opening_->beamFilled)
        changes.box = MessageBox{MessageBox::Icon::Information, i18n::tr(texts::kBeamFilledTitle),
                                 i18n::tr(texts::kBeamFilledText)};
    changes.pressing = true;
    return changes;
}

Changes Window::stepPress(double elapsedMs) {
    return stepPress(model::PeriodPartials{}, elapsedMs);
}

Changes Window::stepPress(const model::PeriodPartials& given, double elapsedMs) {
    if (!pressing())
        return {};
    try {
        if (!job_)
            job_ = std::make_unique<PressJob>(session_, *opening_, separator_);
        if (!job_->step(given)) {
            Changes changes;
            changes.pressing = true;
            changes.done = job_->done();
            changes.total = job_->total();
            // Worth a box when the whole press, at the pace so far, takes long.
            changes.showProgress = changes.done > 0 && changes.total > changes.done &&
                                   elapsedMs * (changes.total / changes.done) >= kLongPressMs;
            if (changes.showProgress && !announcedStart_) {
                announcedStart_ = true;
                changes.announcement =
                    i18n::tr(texts::kProgressTitle) + ": " + i18n::tr(texts::kProgressText);
            }
            return changes;
        }
    } catch (const PressFailed& failed) {
        return finishPress(false, failed.warning());
    } catch (const std::exception& error) {
        return finishPress(false, Warning{views::computeErrorTitle(), error.what(), {}});
    }
    return finishPress(true, std::nullopt);
}

Changes Window::cancelPress() {
    if (!pressing())
        return {};
    return finishPress(false, std::nullopt);
}

// The end of a press: its picture and results made the window's, or the labels put back
// (and the warning, when it failed rather than was cancelled).
Changes Window::finishPress(bool succeeded, const std::optional<Warning>& warning) {
    Changes changes;
    if (succeeded) {
        PressRun run = job_->takeRun();
        const views::ResultTexts results = run.outcome.texts;
        shownBlock_ = opening_->press.block;
        session_.keep(*opening_, std::move(run));
        showLabels(changes, resultLabels(results));
        setEnabled(changes, kSaveData, !session_.record().empty());
        describeNewPicture(changes, results);
        if (highContrast_)
            drawInLook(*shownBlock_);
        changes.picture = true;
    } else {
        showLabels(changes, savedLabels_);
        if (warning)
            warn(changes, *warning);
        else if (announcedStart_)
            changes.announcement = i18n::tr(texts::kPressCancelled);
    }
    announcedStart_ = false;
    job_.reset();
    opening_.reset();
    return changes;
}

const canvas::RecordingCanvas& Window::picture() const {
    static const canvas::RecordingCanvas none;
    if (!shownBlock_)
        return none;
    if (highContrast_)
        return contrastPictures_.at(*shownBlock_);
    return session_.keptPresses().at(*shownBlock_).picture;
}

const views::SummatorRun* Window::pressSummator() const {
    return job_ ? job_->summator() : nullptr;
}

Changes Window::press(const std::string& button) {
    Changes changes = click(button);
    while (pressing())
        changes.append(stepPress());
    return changes;
}

} // namespace front
