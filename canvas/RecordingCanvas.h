// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A canvas that remembers every call, in order. The tests read it to check what a view
// drew; the window records a press and replays it onto the picture once the press has
// succeeded.

#include "canvas/Canvas.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace canvas {

class RecordingCanvas final : public Canvas {
public:
    enum class Kind { Clear, Scale, Line, LineTo, Position };
    struct Call {
        Kind kind;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Scale, Line: both corners; LineTo, Position: x1, y1
        std::optional<Colour> colour;         // empty: the foreground colour
    };

    void clearPicture() override { calls_.push_back({Kind::Clear, 0, 0, 0, 0, std::nullopt}); }
    void setScale(float x1, float y1, float x2, float y2) override {
        calls_.push_back({Kind::Scale, x1, y1, x2, y2, std::nullopt});
    }
    void drawLine(float x1, float y1, float x2, float y2, Colour colour) override {
        calls_.push_back({Kind::Line, x1, y1, x2, y2, colour});
    }
    void lineTo(float x, float y, Colour colour) override {
        calls_.push_back({Kind::LineTo, x, y, 0, 0, colour});
    }
    void lineTo(float x, float y) override {
        calls_.push_back({Kind::LineTo, x, y, 0, 0, std::nullopt});
    }
    void setPosition(float x, float y) override {
        calls_.push_back({Kind::Position, x, y, 0, 0, std::nullopt});
    }

    const std::vector<Call>& calls() const { return calls_; }
    void clear() { calls_.clear(); }
    void reserve(std::size_t n) { calls_.reserve(n); }

    void replay(Canvas& target) const {
        for (const Call& call : calls_) {
            switch (call.kind) {
            case Kind::Clear:
                target.clearPicture();
                break;
            case Kind::Scale:
                target.setScale(call.x1, call.y1, call.x2, call.y2);
                break;
            case Kind::Line:
                target.drawLine(call.x1, call.y1, call.x2, call.y2, *call.colour);
                break;
            case Kind::LineTo:
                if (call.colour)
                    target.lineTo(call.x1, call.y1, *call.colour);
                else
                    target.lineTo(call.x1, call.y1);
                break;
            case Kind::Position:
                target.setPosition(call.x1, call.y1);
                break;
            }
        }
    }

private:
    std::vector<Call> calls_;
};

} // namespace canvas
