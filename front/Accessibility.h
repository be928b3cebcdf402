// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader says of the window, and the high-contrast look, for both front
// ends: the accessible name of every control (a field by its caption and unit, a block by
// its full name, a result by its caption and its full value), the picture in words, its
// numbers as a table, the curve as a tone, what a press announces, and the colours of the
// high-contrast look with the contrast they reach.

#include "canvas/RecordingCanvas.h"
#include "front/ControlTable.h"
#include "model/ReceiverState.h"
#include "views/Blocks.h"
#include "views/PlotRecord.h"

#include <string>
#include <vector>

namespace front {

// The block's name written out ("Разделительный конденсатор" for «~»), in the user's
// language.
std::string blockFullName(views::Block block);

// The accessible name of a control of the table, a menu item or a tool, in the user's
// language (a block button whose caption is an abbreviation: "АП — антенный
// переключатель"); `text` is the control's text as it stands (a result's reading, the title) and
// scene the scene chosen (it names txtT2). Empty for a control that has nothing to say
// beyond its own caption (a plain label).
std::string accessibleName(const std::string& control, const std::string& text, model::Scene scene);

// The picture in words: what is drawn and, per input, the number of samples, the smallest,
// largest and mean value; for the summator, where the running mean settles against the
// computed difference. Empty before any press.
std::string describePicture(const views::PlotRecord& record, const std::string& title,
                            const std::string& computed, char decimalSeparator);

// The picture's numbers as a table, the same columns as the data export.
struct ValueTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};
ValueTable valueTable(const views::PlotRecord& record, char decimalSeparator);

// The curve as a tone: `count` heights from 0 (the lowest value) to 1 (the highest), in the
// order drawn; the page plays them as a rising and falling pitch over two seconds.
std::vector<double> toneHeights(const views::PlotRecord& record, int count = 200);
inline constexpr double kToneSeconds = 2;
inline constexpr double kToneLowHz = 220;
inline constexpr double kToneHighHz = 880;

// ---- high contrast --------------------------------------------------------------------

// The contrast ratio of two colours (WCAG 2.1: (L1 + 0.05) / (L2 + 0.05)).
double contrastRatio(Rgb a, Rgb b);
// The colour darkened towards black, keeping its hue, until it reaches `ratio` against the
// background (a light background); the colour itself when it already does.
Rgb contrastingColour(Rgb colour, Rgb background, double ratio);

inline constexpr double kTextContrast = 4.5;  // every text
inline constexpr double kTraceContrast = 3.0; // the traces, against the picture's white

// A control's colours in either look: the high-contrast look keeps the backgrounds and
// darkens every text until it reads at 4.5:1 on its background.
struct ControlColours {
    Rgb foreground;
    Rgb background; // 0: the window's
};
ControlColours controlColours(const Control& control, bool highContrast);

// The picture in the high-contrast look: each trace's colour darkened to 3:1 against the
// white, and the second input's trace dashed (drawn in runs of 6 and gaps of 4 pixels)
// so that it is told apart without its colour.
canvas::RecordingCanvas highContrastPicture(const canvas::RecordingCanvas& picture,
                                            canvas::Colour first, canvas::Colour second);

} // namespace front
