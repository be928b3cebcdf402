// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's control table (front/ControlTable.h, shared with the page) as the Qt
// window reads it: the same names, with Qt's rectangles, sizes and fonts.

#include "front/ControlTable.h"

#include <QFont>
#include <QRect>
#include <QSize>

namespace ui {

using front::Control;
using front::FontKind;
using front::Kind;
using front::Segment;

using front::kAntennaBlue;
using front::kBlack;
using front::kBlue;
using front::kDisabledField;
using front::kDisabledText;
using front::kEnabledField;
using front::kLightGrey;
using front::kRed;
using front::kTitleHeight;
using front::kWhite;
using front::kWindowForeground;

using front::diagramLines;
using front::formControls;
using front::resultLabel;
using front::tabOrder;

inline QRect toQRect(const front::Rect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}
inline QSize toQSize(const front::Size& size) {
    return {size.width, size.height};
}
inline const QRect kShape1 = toQRect(front::kShape1);
inline const QSize kClientSize = toQSize(front::kClientSize);

QFont fontFor(FontKind kind);

} // namespace ui
