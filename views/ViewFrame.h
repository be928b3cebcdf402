// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every block view shares: the colours of the two objects, the opening of the
// picture (clear, scale, magenta reference line, start point) and the check that a
// computed record is finite.

#include "canvas/Canvas.h"
#include "model/Chain.h"
#include "model/ReceiverState.h"

namespace views {

struct Press;

// Ta1 and Ta2 of a press: the typed temperatures seen through the antenna of its scene
// (and the beam temperature of the point target), fixed for the whole press.
model::InputTemperatures inputTemperatures(const Press& press, const model::ReceiverState& state);

canvas::Colour firstObjectColour(const model::ReceiverState& state);
canvas::Colour secondObjectColour(const model::ReceiverState& state);

// A sample narrowed to the canvas's 32-bit coordinates. A finite sample beyond the
// 32-bit range is drawn at the largest 32-bit magnitude: off the picture, as every
// off-scale sample is.
float toCanvas(double value);

// The corners of a view's scale: (left, top) to (right, bottom).
struct Scale {
    float left, top, right, bottom;
};

// The opening of a block view's picture: clear, scale, the reference line across the width at
// y = referenceY, the drawing position at the curve's start point.
void openPicture(canvas::Canvas& canvas, const Scale& scale, float referenceY, float startX,
                 float startY);

// A ModelError (SignalNotFinite) when any of values[first..last] is not finite: a
// diverging filter, an overflow from huge gain or bandwidth. The press names the fields.
void requireFinite(const double* values, int first, int last);

} // namespace views
