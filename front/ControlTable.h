// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The controls of the main window as data, for both front ends (the Qt window and the
// page): one line per control, read like the tables of the window's description (name,
// kind, caption or default, x, y, width, height), with the font, colours, initial state
// and items where they differ from the window's defaults. Each front end makes its
// widgets or elements from this table in one loop; the drawn parts of the block diagram
// (the frame Shape1, the arrows and the antenna symbol) and the colour menu are data here
// too. No Qt: colours are 0xAARRGGBB numbers, geometry plain integers.
//
// Positions are in pixels of the client area, or of the frame fraCase or the picture
// PicRes for the controls that live inside them.

#include "model/Quantity.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace front {

using Rgb = std::uint32_t; // 0xAARRGGBB, as Qt's QRgb

// Colours of the window.
inline constexpr Rgb kLightGrey = 0xffc0c0c0u;        // RGB(192, 192, 192): the window
inline constexpr Rgb kWindowForeground = 0xff008080u; // RGB(0, 128, 128)
inline constexpr Rgb kBlack = 0xff000000u;
inline constexpr Rgb kWhite = 0xffffffffu;
inline constexpr Rgb kBlue = 0xff0000ffu;
inline constexpr Rgb kRed = 0xffff0000u;
inline constexpr Rgb kAntennaBlue = 0xff0000c0u; // RGB(0, 0, 192): the antenna's waves
// A disabled field: the grey of a scroll bar's track in the classic desktop palette,
// RGB(200, 200, 200), a shade lighter than the window so that a field still reads as a
// field. An enabled field is white, the window-background colour of text boxes.
inline constexpr Rgb kDisabledField = 0xffc8c8c8u;
inline constexpr Rgb kEnabledField = kWhite;
inline constexpr Rgb kDisabledText = 0xff808080u; // RGB(128, 128, 128): greyed text

enum class Kind {
    Field,       // a text box
    Label,       // a plain caption
    Formula,     // a formula picture, as rich text
    ResultLabel, // a white box with a single border, written by the views
    Button,      // a command button with a wrapped caption
    Frame,       // the frame holding the scene options
    Option,      // an option button with a wrapped caption
    CheckBox,    // a check box with a wrapped caption
    ComboBox,    // a drop-down list, not editable
    Picture,     // the result picture
};

enum class FontKind {
    Window,   // the window's default font
    Block975, // sans-serif 9.75 pt
    Block12,  // sans-serif 12 pt
    Symbol,   // symbol font 20.25 pt
    Title,    // sans-serif 13.5 pt
};

// A font as both front ends ask for it: the families in order of preference and the size.
struct FontChoice {
    std::vector<std::string> families;
    double pointSize;
    bool symbol; // the families are symbol fonts
};
FontChoice fontChoice(FontKind kind);

struct Rect {
    int x, y, width, height;
};
struct Size {
    int width, height;
};

struct Control {
    const char* name;
    Kind kind;
    const char* text; // the caption (with its & mark) or a field's default text
    int x, y;
    int width = 0, height = 0;    // 0: fitted to the text
    const char* parent = nullptr; // "fraCase", "PicRes"; none: the client area
    FontKind font = FontKind::Window;
    Rgb foreground = kBlack;
    Rgb background = 0; // 0: none of its own
    bool centred = false;
    bool wrapped = false;
    bool enabled = true;
    bool selected = false; // an option selected (a box ticked) at start
    bool fitsText = false; // a label that widens and narrows with its text as it changes

    constexpr Control inside(const char* container) const {
        Control c = *this;
        c.parent = container;
        return c;
    }
    constexpr Control withFont(FontKind fontKind) const {
        Control c = *this;
        c.font = fontKind;
        return c;
    }
    constexpr Control coloured(Rgb colour) const {
        Control c = *this;
        c.foreground = colour;
        return c;
    }
    constexpr Control on(Rgb colour) const {
        Control c = *this;
        c.background = colour;
        return c;
    }
    constexpr Control centredText() const {
        Control c = *this;
        c.centred = true;
        c.wrapped = true;
        return c;
    }
    constexpr Control wrappedText() const {
        Control c = *this;
        c.wrapped = true;
        return c;
    }
    constexpr Control disabled() const {
        Control c = *this;
        c.enabled = false;
        return c;
    }
    constexpr Control fittedToText() const {
        Control c = *this;
        c.fitsText = true;
        return c;
    }
    constexpr Control selectedAtStart() const {
        Control c = *this;
        c.selected = true;
        return c;
    }
    constexpr Rect geometry() const { return {x, y, width, height}; }
};

// Every control of the window, containers before their contents.
const std::vector<Control>& formControls();
// The control of that name; nullptr when there is none.
const Control* findControl(const std::string& name);

// The items of the drop-down list cboFd, in order, as written (a setup file names them so);
// the one selected at start.
std::vector<std::string> samplingRateItems();
int startSamplingRateItem();

// The order of the Tab key: the fields left to right and top to bottom, then the block
// buttons along the signal chain, the picture and the exit button.
const std::vector<const char*>& tabOrder();

// A one-pixel line drawn on the window.
struct Segment {
    int x1, y1, x2, y2;
    Rgb colour = kBlack;
};

// The arrows of the block diagram and the antenna symbol.
const std::vector<Segment>& diagramLines();

// Shape1: the plain rectangle around the scene frame and the three scene fields.
inline constexpr Rect kShape1{304, 0, 481, 81};

// The client area of the window, and the result picture PicRes in it.
inline constexpr Size kClientSize{792, 554};
inline constexpr Size kPictureSize{649, 249};

// The result labels' box and the title's height.
inline constexpr Size kResultLabelSize{40, 17};
inline constexpr int kTitleHeight = 24;

// The label that shows each result of a view.
const char* resultLabel(model::Result result);
// The texts of the two temperature labels before a view writes them.
const char* unsetResultText(model::Result result);
// The label captioning a result's box ("Label5" for the real sensitivity); none for the
// two temperatures, whose labels carry their own name ("Ta1=...").
const char* resultCaptionControl(model::Result result);

// ---- the menu bar ------------------------------------------------------------------

// The one menu "&Графика" (mnuGraph) with two submenus of seven colour items each.
struct ColourRow {
    const char* name; // "mnuRed": the items are mnuRed1 and mnuRed2
    const char* caption;
    std::uint8_t red, green, blue;
};
inline constexpr int kColourCount = 7;
// The colours in menu order: red, yellow, green, blue, light blue, lilac, black.
const ColourRow* colourRows();

struct MenuText {
    const char* name;
    const char* caption;
};
MenuText graphicsMenu();         // mnuGraph
MenuText objectMenu(int object); // mnuObject1, mnuObject2 (object 0 or 1)
// The item's name: mnuRed1 … mnuBlack2.
std::string colourItemName(int object, int row);
// The item of that name: its object and row; none for another name.
struct ColourItem {
    int object, row;
};
std::optional<ColourItem> colourItemOf(std::string_view name);
// The rows checked at start (light blue, yellow), and the order in which a click writes
// the marks of a submenu: black, blue, green, light blue, red, lilac, yellow.
int startColourRow(int object);
const std::vector<int>& colourMarkOrder();

// ---- the window's own texts ----------------------------------------------------------

// The caption at start ("Veltrum") and with the clock ("Veltrum  14:05:09").
const char* windowCaption();
std::string clockCaption(int hours, int minutes, int seconds);

// The text of a control of the table as written (a field's default, a caption's Russian
// source); and a caption as the user reads it, in the user's language.
std::string controlText(const std::string& name);
std::string controlCaption(const std::string& name);
// An item of the sampling-rate list as the user reads it ("50кГц", "50 kHz").
std::string samplingRateLabel(int index);

} // namespace front
