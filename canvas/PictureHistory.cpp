// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/PictureHistory.h"

#include <utility>

namespace canvas {

void PictureHistory::restart(const std::optional<Scale>& scale) {
    calls_ = RecordingCanvas();
    complete_ = true;
    if (scale)
        calls_.setScale(scale->x1, scale->y1, scale->x2, scale->y2);
}

Canvas* PictureHistory::recorder() {
    if (!complete_)
        return nullptr;
    if (calls_.calls().size() >= kLimit) {
        calls_ = RecordingCanvas();
        complete_ = false;
        return nullptr;
    }
    return &calls_;
}

RecordingCanvas PictureHistory::take() {
    RecordingCanvas taken;
    std::swap(taken, calls_);
    return taken;
}

} // namespace canvas
