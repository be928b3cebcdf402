// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
// The user's language and locale: Qt's own texts (the buttons of message boxes and file
// dialogs, the context menus of the fields) in Russian, like the rest of the window; and
// the decimal separator the window writes its numbers with.

#include <QString>

class QCoreApplication;

namespace ui {

// Installs Qt's Russian translation (qtbase_ru from Qt's translations folder) into the
// application; the translator lives as long as the application. Returns false when the
// translation is not installed on this machine: Qt's texts then stay in English.
bool installQtTranslations(QCoreApplication& application);

// The decimal separator of the user's locale: ',' or '.' ('.' for any other).
char localeDecimalSeparator();

// A text of the program's tables (marked VT_NOOP("Veltrum", …)) in the user's language.
QString text(const char* source);
inline QString text(const std::string& source) {
    return text(source.c_str());
}

} // namespace ui
