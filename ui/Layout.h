// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The controls of Form1 as data: one line per control, read like the tables of the
// window's description (name, kind, caption or default, x, y, width, height), with the
// font, colours and initial state where they differ from the window's defaults. Form1
// makes the widgets from this table in one loop; the drawn parts of the block diagram
// (the frame Shape1, the arrows and the antenna symbol) are data here too.
//
// Positions are in pixels of the client area (the central widget), or of the frame
// fraCase or the picture PicRes for the controls that live inside them.

#include "model/Quantity.h"

#include <QColor>
#include <QFont>
#include <QRect>

#include <vector>

namespace ui {

// Colours of the window.
inline constexpr QRgb kLightGrey = 0xffc0c0c0u;        // RGB(192, 192, 192): the window
inline constexpr QRgb kWindowForeground = 0xff008080u; // RGB(0, 128, 128)
inline constexpr QRgb kBlack = 0xff000000u;
inline constexpr QRgb kWhite = 0xffffffffu;
inline constexpr QRgb kBlue = 0xff0000ffu;
inline constexpr QRgb kRed = 0xffff0000u;
inline constexpr QRgb kAntennaBlue = 0xff0000c0u; // RGB(0, 0, 192): the antenna's waves
// A disabled field: the grey of a scroll bar's track in the classic desktop palette,
// RGB(200, 200, 200), a shade lighter than the window so that a field still reads as a
// field. An enabled field is white, the window-background colour of text boxes.
inline constexpr QRgb kDisabledField = 0xffc8c8c8u;
inline constexpr QRgb kEnabledField = kWhite;
inline constexpr QRgb kDisabledText = 0xff808080u; // RGB(128, 128, 128): greyed text

enum class Kind {
    Field,       // QLineEdit
    Label,       // QLabel, plain caption
    Formula,     // QLabel showing a formula picture as rich text
    ResultLabel, // QLabel: white box with a single border, written by the views
    Button,      // QPushButton with a wrapped caption
    Frame,       // QGroupBox
    Option,      // QRadioButton with a wrapped caption
    CheckBox,    // QCheckBox with a wrapped caption
    ComboBox,    // QComboBox, not editable
    Picture,     // canvas::PictureBox
};

enum class FontKind {
    Window,   // the window's default font
    Block975, // sans-serif 9.75 pt
    Block12,  // sans-serif 12 pt
    Symbol,   // symbol font 20.25 pt
    Title,    // sans-serif 13.5 pt
};

struct Control {
    const char* name;
    Kind kind;
    const char* text;
    int x, y;
    int width = 0, height = 0;    // 0: fitted to the text
    const char* parent = nullptr; // "fraCase", "PicRes"; none: the client area
    FontKind font = FontKind::Window;
    QRgb foreground = kBlack;
    QRgb background = 0; // 0: none of its own
    bool centred = false;
    bool wrapped = false;
    bool enabled = true;
    bool selected = false; // an option selected (a box ticked) at start

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
    constexpr Control coloured(QRgb colour) const {
        Control c = *this;
        c.foreground = colour;
        return c;
    }
    constexpr Control on(QRgb colour) const {
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
    constexpr Control selectedAtStart() const {
        Control c = *this;
        c.selected = true;
        return c;
    }
    QRect geometry() const { return {x, y, width, height}; }
};

// Every control of the window, containers before their contents.
const std::vector<Control>& formControls();

// The order of the Tab key: the fields left to right and top to bottom, then the block
// buttons along the signal chain and the exit button.
const std::vector<const char*>& tabOrder();

// A one-pixel line drawn on the window.
struct Segment {
    int x1, y1, x2, y2;
    QRgb colour = kBlack;
};

// The arrows of the block diagram and the antenna symbol.
const std::vector<Segment>& diagramLines();

// Shape1: the plain rectangle around the scene frame and the three scene fields.
inline constexpr QRect kShape1{304, 0, 481, 81};

// The client area of Form1.
inline constexpr QSize kClientSize{792, 554};

// The result labels' box and the title's height.
inline constexpr QSize kResultLabelSize{40, 17};
inline constexpr int kTitleHeight = 24;

QFont fontFor(FontKind kind);

// The label that shows each result of a view.
const char* resultLabel(model::Result result);

} // namespace ui
