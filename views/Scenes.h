// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How each scene shows in the window: its option, whether the three scene fields are open,
// the captions of the two input buttons and of the field above txtT2, and what a message
// calls txtT2 in it. The titles of the input views belong to the receiver's state.

#include "model/ReceiverState.h"

#include <string_view>
#include <vector>

namespace views {

struct SceneLook {
    model::Scene scene;
    const char* option;       // objectName of the option button
    bool sceneFieldsEnabled;  // txtVisota, txtF and txtScel
    const char* lblT2;        // the caption above txtT2 (empty: none)
    const char* btnT2;        // the second input's button
    const char* btnT1;        // the first input's button
    const char* temperature2; // how a message names txtT2
    const char* name;         // the scene in a few words, for a series of the experiment
};

// The three scenes in the order of their options: extended target, boundary, point target.
const std::vector<SceneLook>& sceneLooks();
const SceneLook& sceneLook(model::Scene scene);
// The scene whose option has that name; none for another name.
const SceneLook* sceneOfOption(std::string_view option);

} // namespace views
