// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture menu's submenus (the receiver's model): a QMenu named and titled as the
// window object's table says, holding its tools; each item's click goes to `click` by name.

#include <functional>
#include <string>

class QWidget;

namespace ui {

void addToolSubmenus(QWidget* picture, const std::function<void(const std::string&)>& click);

} // namespace ui
