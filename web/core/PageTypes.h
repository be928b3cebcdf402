// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The values the page receives from the core, as embind value objects: plain JavaScript
// objects made field by field from these structs (registered in CoreBindings.cpp), with
// lists as JavaScript arrays, so that the worker can post them to the page as they are.

#include "front/ControlTable.h"
#include "front/Window.h"
#include "views/SensitivityExperiment.h"

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

namespace page {

using emscripten::val;

// A JavaScript array of the values, each converted by its binding.
template <typename T> val arrayOf(const std::vector<T>& values) {
    val out = val::array();
    for (const T& value : values)
        out.call<void>("push", val(value));
    return out;
}

struct Font {
    val families = val::undefined(); // of strings
    double pointSize = 0;
    bool symbol = false;
};

struct Control {
    std::string name, kind, text, parent, tooltip;
    int x = 0, y = 0, width = 0, height = 0;
    Font font;
    std::uint32_t foreground = 0, background = 0;
    bool centred = false, wrapped = false, enabled = true, selected = false;
    std::string captionFor; // the field, list or result this label captions; the page's
                            // next control
    std::string accessibleName, description;
    // The colours of the high-contrast look (background 0: the window's).
    std::uint32_t contrastForeground = 0, contrastBackground = 0;
};

struct Line {
    int x1, y1, x2, y2;
    std::uint32_t colour;
};

struct Rect {
    int x, y, width, height;
};

struct ColourItem {
    std::string name, caption;
    int red, green, blue;
};

struct Submenu {
    std::string name, caption;
    int startRow;
    val items = val::undefined(); // of ColourItem
};

struct Menu {
    std::string name, caption;
    val objects = val::undefined(); // of Submenu
};

struct Tool {
    std::string name, caption, shortcut;
    bool enabled, checkable, checked;
    std::string submenu; // the submenu it stands in (a ToolSubmenu's name); empty: the menu
};

// A submenu of the picture's menu, at the place of its first tool.
struct ToolSubmenu {
    std::string name, caption;
};

struct ExperimentSettings {
    val columns = val::undefined();      // the table's
    val largestTimes = val::undefined(); // the list's items, as the locale writes them
    val largestValues = val::undefined();
    int defaultLargest, fewestPresses, mostPresses, defaultPresses;
    val runColours = val::undefined(); // 0xRRGGBB of the first runs
    val kinds = val::undefined();      // the experiments' names, in the order of their kinds
};

// The drawing's opcodes, as front::pack writes them.
struct DrawingKinds {
    int clear, scale, line, lineTo, position;
};

// The parts of a control's state a change carries (front::ControlPart).
struct Parts {
    unsigned text, toolTip, enabled, checked, index, accessible;
};

// The picture's curve as a tone: its pitch, in hertz, at even steps over `seconds`.
struct Tone {
    double seconds = 0;
    val frequencies = val::undefined(); // Float32Array
};

// The picture's numbers as a table.
struct ValueTable {
    std::string title;
    val header = val::undefined(); // of strings
    val rows = val::undefined();   // of arrays of strings
};

// A setup file as the page offers and takes it.
struct SetupFiles {
    std::string name, mimeType, accept;
    int largest; // bytes
};

// front::Changes, with what is optional written out.
struct Changes {
    val controls = val::undefined(); // of front::ControlChange
    bool hasCaption = false;
    std::string caption;
    std::string boxIcon; // "", "information", "warning"
    std::string boxTitle, boxText;
    std::string focus;
    bool picture = false, pressing = false, close = false;
    double done = 0, total = 0;
    bool showProgress = false;
    std::string announcement; // said once in the page's polite live region
    bool look = false;        // the look changed: the colours and the picture again
};

// Everything the page is built from.
struct Description {
    val controls = val::undefined();
    val tabOrder = val::undefined();
    val lines = val::undefined();
    val samplingRates = val::undefined();
    val tools = val::undefined();
    val toolSubmenus = val::undefined(); // of ToolSubmenu
    Menu menu;
    ExperimentSettings experiment;
    DrawingKinds drawing;
    Parts parts;
    SetupFiles setupFiles;
    Font windowFont;
    Rect shape1;
    int clientWidth, clientHeight, pictureWidth, pictureHeight, startSamplingRate;
    double longPressMs; // a touch held this long on the picture opens its menu
    bool highContrast;
    std::uint32_t lightGrey, windowForeground, disabledField, enabledField;
    std::string caption, language, sourceLanguage, version;
    val texts = val::undefined();
};

// The values the page's window answers with: a recorded picture, a warning, the report,
// the experiment's start, rows, axes, fitted line and steps.
// A recorded picture as arrays, with the digest a test compares with the desktop's.
struct Drawing {
    val kinds = val::undefined();
    val coordinates = val::undefined();
    val colours = val::undefined();
    std::string digest;
};
struct Warning {
    std::string title, text, focus;
};
struct ReportBlock {
    std::string title, readings;
    Drawing drawing;
};
struct ReportTable {
    val columns = val::undefined();
    val rows = val::undefined();
};
struct Report {
    std::string heading, generated, setupHeading, blocksHeading, noBlocks, formulasHeading,
        experimentHeading, experimentSlope;
    ReportTable setup, experiment;
    val formulas = val::undefined();
    val blocks = val::undefined();
};
struct ExperimentStart {
    bool ok = false;
    Warning warning;
    int run = 0;
    std::string name, presses, means, potential, fitted;
    double longest = 0;
    int colour = 0;
    int contrastColour = 0; // the run's colour in the high-contrast look
};
struct ExperimentRow {
    int run;
    val cells = val::undefined();
    val numbers = val::undefined();
    val real = val::undefined();
};
struct Tick {
    double value;
    std::string label;
};
struct Axes {
    double timeLow, timeHigh, kelvinLow, kelvinHigh;
    val timeTicks = val::undefined();
    val kelvinTicks = val::undefined();
};
struct Fit {
    bool valid = false;
    double slope = 0, coefficient = 0, from = views::kFittedFrom;
    std::string name;
};
struct ExperimentStep {
    std::string state; // "idle", "running", "done", "failed"
    Warning warning;
    bool hasNext = false; // a run of the same start begins: its series
    ExperimentStart next;
    bool hasRow = false;
    ExperimentRow row;
    double done = 0, total = 0;
    std::string slope;
    Fit fit;
    Axes axes;
};

val windowDescription();
// The page's language among Russian and the catalogues built into the page.
val useLanguage(val option, val remembered, val catalogues);

} // namespace page
