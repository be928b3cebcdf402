// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared by the tests of the views: a window state after start-up, the window's default
// field texts, and one press recorded on a canvas.

#include "canvas/RecordingCanvas.h"
#include "model/ReceiverState.h"
#include "views/Press.h"

namespace testing_support {

inline views::FieldTexts defaultTexts(model::Scene scene = model::Scene::ExtendedTarget) {
    views::FieldTexts texts;
    texts.txtVisota = "5";
    texts.txtScel = "1500";
    texts.txtF = "20";
    texts.txtT2 = "100";
    texts.txtT1 = "304";
    texts.txtdeltaf = "900";
    texts.txtKp = "4";
    texts.txtdeltaKp = "0";
    texts.txtTprm = "100";
    texts.txtF11 = "9500";
    texts.txtF22 = "7000";
    texts.txtn = "12";
    texts.txtTint = "1";
    texts.scene = scene;
    texts.cboFdIndex = 6;
    return texts;
}

inline model::ReceiverState startupState() {
    model::ReceiverState state;
    model::applyStartupDefaults(state);
    return state;
}

struct Recorded {
    views::ResultTexts texts;
    canvas::RecordingCanvas canvas;
};

inline Recorded press(views::Block block, const views::FieldTexts& texts,
                      model::ReceiverState& state, views::Progress* progress = nullptr) {
    Recorded recorded;
    const views::Press prepared = views::preparePress(block, texts, state);
    recorded.texts = views::runPress(prepared, state, recorded.canvas, ',', progress);
    return recorded;
}

// Two recordings made the same calls with the same arguments and colours.
inline bool sameCalls(const canvas::RecordingCanvas& a, const canvas::RecordingCanvas& b) {
    if (a.calls().size() != b.calls().size())
        return false;
    for (std::size_t i = 0; i < a.calls().size(); ++i) {
        const auto& x = a.calls()[i];
        const auto& y = b.calls()[i];
        if (x.kind != y.kind || x.x1 != y.x1 || x.y1 != y.y1 || x.x2 != y.x2 || x.y2 != y.y2 ||
            x.colour != y.colour)
            return false;
    }
    return true;
}

} // namespace testing_support
