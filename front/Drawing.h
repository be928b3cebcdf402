// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A press's picture as plain arrays, as the page's worker sends it to the page: for every
// canvas call its kind, its four coordinates and its colour. Its digest (FNV-1a over the
// three arrays' bytes, the coordinates little-endian) lets a test compare a picture drawn
// in a browser with the desktop's without comparing pixels.

#include "canvas/RecordingCanvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace front {

struct PackedDrawing {
    // Per call: 0 clear, 1 scale, 2 line, 3 line to, 4 position.
    std::vector<std::uint8_t> kinds;
    // Per call x1, y1, x2, y2 (a line to and a position use x1, y1).
    std::vector<float> coordinates;
    // Per call: 1 and the RGB bytes, or four zeros for the picture's foreground colour.
    std::vector<std::uint8_t> colours;
    std::size_t size() const { return kinds.size(); }
};

PackedDrawing pack(const canvas::RecordingCanvas& recording);
std::uint32_t digest(const PackedDrawing& drawing);
// Eight lower-case hexadecimal digits.
std::string digestText(std::uint32_t digest);

} // namespace front
