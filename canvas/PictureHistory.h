// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What was drawn on the picture since it was last white, kept so that the picture can be
// drawn again, crisp, at a new pixel ratio (the window moved to another screen). It
// starts with the scale in force when the picture went white; beyond a limit (a few
// presses' worth of calls) it stops keeping them, and the picture is resampled instead.

#include "canvas/RecordingCanvas.h"

#include <cstddef>
#include <optional>

namespace canvas {

class PictureHistory {
public:
    struct Scale {
        float x1, y1, x2, y2;
    };

    // The picture went white under this scale (none: user units are pixels).
    void restart(const std::optional<Scale>& scale);
    // Where to note a call; null once there are too many to keep.
    Canvas* recorder();
    // Everything since the picture went white is kept.
    bool complete() const { return complete_; }
    // Hands the kept calls over and starts empty; complete() stays as it was, for the
    // caller to see whether they were all.
    RecordingCanvas take();

    static constexpr std::size_t kLimit = std::size_t{1} << 20; // about 24 MB of calls

private:
    RecordingCanvas calls_;
    bool complete_ = true;
};

} // namespace canvas
