// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every block view shares: the colours of the two objects, the opening of the
// picture (clear, scale, magenta reference line, start point), the Ta labels and the
// check that a computed record is finite.

#include "canvas/Canvas.h"
#include "model/ReceiverState.h"
#include "views/Press.h"

#include <string>

namespace views {

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

// Steps 5 to 8 of a block view: clear, scale, the reference line across the width at
// y = referenceY, the drawing position at the curve's start point.
void openPicture(canvas::Canvas& canvas, const Scale& scale, float referenceY, float startX,
                 float startY);

// "Ta1=303,6" and "Ta2=100": the input temperatures in the label form.
std::string ta1Label(const model::ReceiverState& state, const Press& press, char decimalSeparator);
std::string ta2Label(const model::ReceiverState& state, const Press& press, char decimalSeparator);
// The same from temperatures a view has already computed for its press.
std::string ta1Label(double ta1, char decimalSeparator);
std::string ta2Label(double ta2, char decimalSeparator);

// Throws PressError naming the fields when any of values[first..last] is not finite
// (a diverging filter, an overflow from huge gain or bandwidth).
void requireFinite(const double* values, int first, int last, const std::string& fields);

} // namespace views
