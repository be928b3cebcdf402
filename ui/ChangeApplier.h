// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window object's changes applied to the desktop's widgets, found by object name: a
// control's text, tool tip, enabled and checked state and list item, a menu's title, an
// action's; the signals of a widget are held while it changes, since the change is the
// window object's and not the user's.

#include "front/Window.h"

#include <string>

class QWidget;

namespace ui {

void applyChange(QWidget* window, const front::ControlChange& change);
// The field a message points to takes the focus, its text selected (if it is open).
void focusField(QWidget* window, const std::string& name);

} // namespace ui
