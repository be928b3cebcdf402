// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Drawing.h"

#include <cstdio>
#include <cstring>

namespace front {

PackedDrawing pack(const canvas::RecordingCanvas& recording) {
    PackedDrawing drawing;
    const auto& calls = recording.calls();
    drawing.kinds.reserve(calls.size());
    drawing.coordinates.reserve(4 * calls.size());
    drawing.colours.reserve(4 * calls.size());
    for (const canvas::RecordingCanvas::Call& call : calls) {
        drawing.kinds.push_back(static_cast<std::uint8_t>(call.kind));
        for (const float value : {call.x1, call.y1, call.x2, call.y2})
            drawing.coordinates.push_back(value);
        if (call.colour) {
            for (const std::uint8_t byte :
                 {std::uint8_t{1}, call.colour->red, call.colour->green, call.colour->blue})
                drawing.colours.push_back(byte);
        } else {
            drawing.colours.insert(drawing.colours.end(), 4, 0);
        }
    }
    return drawing;
}

std::uint32_t digest(const PackedDrawing& drawing) {
    std::uint32_t hash = 2166136261u;
    const auto add = [&hash](std::uint8_t byte) {
        hash ^= byte;
        hash *= 16777619u;
    };
    for (const std::uint8_t kind : drawing.kinds)
        add(kind);
    for (const float value : drawing.coordinates) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (int shift = 0; shift < 32; shift += 8)
            add(static_cast<std::uint8_t>(bits >> shift));
    }
    for (const std::uint8_t byte : drawing.colours)
        add(byte);
    return hash;
}

std::string digestText(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

} // namespace front
