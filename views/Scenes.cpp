// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/Scenes.h"

#include "i18n/Translate.h"

namespace views {

const std::vector<SceneLook>& sceneLooks() {
    // The noise equivalent's temperature is the only one with a caption in the window.
    static const char* const equivalent = VT_NOOP("Veltrum", "Т-ра эквивалента, К");
    static const std::vector<SceneLook> looks = {
        {model::Scene::ExtendedTarget, "optBigCel", false, equivalent,
         VT_NOOP("Veltrum", "  Шумовой эквивалент"), VT_NOOP("Veltrum", "Антенна"), equivalent,
         VT_NOOP("Veltrum", "протяжённая цель")},
        {model::Scene::Boundary, "optGranica", false, "", VT_NOOP("Veltrum", "Антенна:  цель2"),
         VT_NOOP("Veltrum", "Антенна: цель1"), VT_NOOP("Veltrum", "Т-ра цели 2, К"),
         VT_NOOP("Veltrum", "граница двух целей")},
        {model::Scene::PointTarget, "optCel", true, "", VT_NOOP("Veltrum", "Антенна:  фон"),
         VT_NOOP("Veltrum", "Антенна: цель+фон"), VT_NOOP("Veltrum", "Т-ра фона, К"),
         VT_NOOP("Veltrum", "малоразмерная цель")},
    };
    return looks;
}

const SceneLook& sceneLook(model::Scene scene) {
    for (const SceneLook& look : sceneLooks())
        if (look.scene == scene)
            return look;
    return sceneLooks().front();
}

const SceneLook* sceneOfOption(std::string_view option) {
    for (const SceneLook& look : sceneLooks())
        if (option == look.option)
            return &look;
    return nullptr;
}

} // namespace views
