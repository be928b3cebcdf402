// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window says to a screen reader and how it looks in high contrast: the names
// that follow the scene, the picture in words and the announcement after a press, the
// pictures redrawn in the look chosen, and the picture's numbers as a table and a tone.

#include "front/Accessibility.h"
#include "front/Window.h"
#include "views/Fields.h"

namespace front {

namespace {
constexpr const char* kPicture = "PicRes";
constexpr const char* kTitle = "lblname";
constexpr const char* kHighContrastTool = "actHighContrast";
} // namespace

// The fields named again: the second input's caption follows the scene.
void Window::renameFields(Changes& changes) {
    for (const views::Field& field : views::fields()) {
        ControlState& shown = state(field.control);
        std::string spoken = accessibleName(field.control, shown.text, scene());
        if (spoken == shown.accessibleName)
            continue;
        shown.accessibleName = std::move(spoken);
        changes.controls.push_back({field.control, kAccessiblePart, shown});
    }
}

// A press kept: the picture named by its title and described in words, and the title with
// the readings said once.
void Window::describeNewPicture(Changes& changes, const views::ResultTexts& results) {
    const std::string& title = control(kTitle).text;
    ControlState& picture = state(kPicture);
    picture.accessibleName = accessibleName(kPicture, title, scene());
    picture.description =
        describePicture(session_.record(), title,
                        control(resultLabel(model::Result::antennaDifference)).text, separator_);
    changes.controls.push_back({kPicture, kAccessiblePart, picture});
    std::string said = picture.accessibleName + ".";
    for (const auto& [label, text] : resultLabels(results))
        said += " " + control(label).accessibleName + ".";
    changes.announcement = said;
}

// A kept press's picture in the high-contrast look, in the colours it was drawn in.
void Window::drawInLook(views::Block block) {
    const Session::KeptPress& kept = session_.keptPresses().at(block);
    contrastPictures_[block] = highContrastPicture(kept.picture, kept.first, kept.second);
}

void Window::redrawInLook() {
    contrastPictures_.clear();
    if (!highContrast_)
        return;
    for (const auto& pressed : session_.keptPresses()) // by block
        drawInLook(pressed.first);
}

Changes Window::setHighContrast(bool on) {
    Changes changes;
    if (on == highContrast_)
        return changes;
    highContrast_ = on;
    redrawInLook();
    setCheckedState(changes, kHighContrastTool, on);
    changes.look = true;
    changes.picture = shownBlock_.has_value();
    return changes;
}

ValueTable Window::valueTable() const {
    return front::valueTable(session_.record(), separator_);
}

std::vector<double> Window::toneHeights() const {
    return front::toneHeights(session_.record());
}

} // namespace front
