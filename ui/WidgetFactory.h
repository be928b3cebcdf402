// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The widgets of the window's control table, made one line at a time, and the palette
// changes the window makes (a field's background, a label's own colours).

#include "ui/Layout.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace ui {

// One control of the table as a widget, named, coloured, placed and enabled as the table
// says, inside `parent`.
QWidget* makeControl(const Control& control, QWidget* parent);

// The colour of a role in every state of the widget (active, inactive, disabled).
void setColour(QWidget* widget, QPalette::ColorRole role, QColor colour);

// A field's background: white when it is open, the grey of a disabled field when not.
void setFieldBackground(QWidget* field, bool enabled);

} // namespace ui
