// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Layout.h"

#include <QStringList>

namespace ui {

QFont fontFor(FontKind kind) {
    const front::FontSpec spec = front::fontSpec(kind);
    QStringList families;
    for (const std::string& family : spec.families)
        families << QString::fromStdString(family);
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setPointSizeF(spec.pointSize);
    return font;
}

} // namespace ui
