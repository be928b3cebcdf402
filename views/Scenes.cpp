// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Scenes.h"

namespace views {

const std::vector<SceneLook>& sceneLooks() {
    // The noise equivalent's temperature is the only one with a caption in the window.
    static const char* const equivalent = "Т-ра эквивалента, К";
    static const std::vector<SceneLook> looks = {
        {model::Scene::ExtendedTarget, "optBigCel", false, equivalent, "  Шумовой эквивалент",
         "Антенна", equivalent, "протяжённая цель"},
        {model::Scene::Boundary, "optGranica", false, "", "Антенна:  цель2", "Антенна: цель1",
         "Т-ра цели 2, К", "граница двух целей"},
        {model::Scene::PointTarget, "optCel", true, "", "Антенна:  фон", "Антенна: цель+фон",
         "Т-ра фона, К", "малоразмерная цель"},
    };
    return looks;
}

const SceneLook& sceneLook(model::Scene scene) {
    for (const SceneLook& look : sceneLooks())
        if (look.scene == scene)
            return look;
    return sceneLooks().front();
}

} // namespace views
