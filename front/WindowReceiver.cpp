// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The receiver the window's presses compute: the course model (the default), or the
// calibrated model, modulated or total power. The receiver menu's marks, and the caption
// that names any receiver but the course's.

#include "front/Texts.h"
#include "front/Window.h"
#include "views/CalibratedViews.h"

namespace front {

std::string Window::receiverCaption(const std::string& caption) const {
    const std::string name = views::receiverName(receiver_, switching_);
    return name.empty() ? caption : caption + " — " + name;
}

Changes Window::chooseReceiver(std::optional<views::ReceiverModel> receiver,
                               std::optional<model::Switching> switching) {
    Changes changes;
    if (pressing())
        return changes;
    if (receiver)
        receiver_ = *receiver;
    if (switching)
        switching_ = *switching;
    const bool calibrated = receiver_ == views::ReceiverModel::Calibrated;
    setCheckedState(changes, "actCourseModel", !calibrated);
    setCheckedState(changes, "actCalibratedModel", calibrated);
    setCheckedState(changes, "actTotalPower", switching_ == model::Switching::TotalPower);
    setEnabled(changes, "actTotalPower", calibrated);
    // The caption keeps its clock: the part before the receiver's name is the window's.
    const std::size_t named = caption_.find(" — ");
    caption_ = receiverCaption(caption_.substr(0, named));
    changes.caption = caption_;
    return changes;
}

} // namespace front
