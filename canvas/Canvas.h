// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The result picture as the views see it: five drawing operations in user coordinates.
// setScale puts (x1, y1) at the top-left corner and (x2, y2) at the bottom-right, so y
// grows upward whenever y1 > y2. Coordinates are 32-bit floats, colours RGB bytes.

#include <cstdint>

namespace canvas {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Colour a, Colour b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(Colour a, Colour b) { return !(a == b); }
};

inline constexpr Colour kMagenta{255, 0, 255}; // the reference lines

class Canvas {
public:
    virtual ~Canvas() = default;
    // Erase to the background; the drawing position goes to the origin.
    virtual void clearPicture() = 0;
    virtual void setScale(float x1, float y1, float x2, float y2) = 0;
    // A segment in a colour; the drawing position ends at (x2, y2).
    virtual void drawLine(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // A segment from the drawing position to (x, y) in a colour; the position moves there.
    virtual void lineTo(float x, float y, Colour colour) = 0;
    // The same in the picture's foreground colour.
    virtual void lineTo(float x, float y) = 0;
    // Move the drawing position without drawing.
    virtual void setPosition(float x, float y) = 0;
};

} // namespace canvas
