// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shared sequence of the user's actions (tests/golden/actions.json) and what the window
// shows after each: the core writes the expectations, every face replays the actions
// through its own controls and compares what it shows with them.

#include "front/ControlTable.h"
#include "front/Json.h"
#include "front/Window.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace actions {

inline const std::string kFile = std::string(VELTRUM_GOLDEN_DIR) + "/actions.json";

inline std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The controls every face shows alike: the table's (but the frame, the picture and the
// formulas, drawn differently by each toolkit), the colour items and the tools.
inline std::vector<std::string> comparedControls() {
    std::vector<std::string> names;
    for (const front::Control& control : front::formControls())
        if (control.kind != front::Kind::Frame && control.kind != front::Kind::Picture &&
            control.kind != front::Kind::Formula)
            names.emplace_back(control.name);
    for (int object = 0; object < 2; ++object)
        for (int row = 0; row < front::kColourCount; ++row)
            names.push_back(front::colourItemName(object, row));
    for (const front::Tool& tool : front::pictureTools())
        names.emplace_back(tool.name);
    return names;
}

// A control as the expectations write it: [text, enabled, checked, list item].
inline std::string stateText(const std::string& text, bool enabled, bool checked, int index) {
    return "[" + front::json::quote(text) + ", " + (enabled ? "true" : "false") + ", " +
           (checked ? "true" : "false") + ", " + std::to_string(index) + "]";
}

} // namespace actions
