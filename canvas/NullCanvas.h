// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A canvas that draws nothing: for a press whose numbers are wanted without its picture.

#include "canvas/Canvas.h"

namespace canvas {

class NullCanvas final : public Canvas {
public:
    void clearPicture() override {}
    void setScale(float, float, float, float) override {}
    void drawLine(float, float, float, float, Colour) override {}
    void lineTo(float, float, Colour) override {}
    void lineTo(float, float) override {}
    void setPosition(float, float) override {}
};

} // namespace canvas
