// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Layout.h"

#include <QStringList>

namespace ui {

QFont fontFor(FontKind kind) {
    const front::FontChoice choice = front::fontChoice(kind);
    QStringList families;
    for (const std::string& family : choice.families)
        families << QString::fromStdString(family);
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setPointSizeF(choice.pointSize);
    return font;
}

} // namespace ui
