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
    using model::Quantity;
    views::FieldTexts texts;
    texts[Quantity::FlightHeight] = "5";
    texts[Quantity::TargetArea] = "1500";
    texts[Quantity::Frequency] = "20";
    texts[Quantity::Temperature2] = "100";
    texts[Quantity::Temperature1] = "304";
    texts[Quantity::Bandwidth] = "900";
    texts[Quantity::Gain] = "4";
    texts[Quantity::GainInstability] = "0";
    texts[Quantity::ReceiverNoise] = "100";
    texts[Quantity::Cutoff1] = "9500";
    texts[Quantity::Cutoff2] = "7000";
    texts[Quantity::WordLength] = "12";
    texts[Quantity::Accumulation] = "1";
    texts[Quantity::SideLobeFraction] = "0,1";
    texts[Quantity::SideLobeTemperature] = "300";
    texts.scene = scene;
    texts.samplingRateIndex = 6;
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
