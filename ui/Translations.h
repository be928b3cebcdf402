// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The user's language and locale: the program's texts and Qt's own (the buttons of message
// boxes and file dialogs, the context menus of the fields) in the language chosen, Russian
// unless the user asks for another; and the decimal separator the window writes its
// numbers with, which follows the user's locale in every language.

#include <QString>

#include <string>
#include <vector>

class QCoreApplication;

namespace ui {

// The languages the program has: Russian, the source, and one for every catalogue built
// into it (":/i18n/veltrum_<code>.qm").
std::vector<std::string> availableLanguages();

// Shows every text from now on in the language given: the program's catalogue (none for
// Russian) and Qt's own translation of that language from Qt's translations folder.
// Replaces the language installed before. Returns false when the program has no such
// language (nothing changes then).
bool installLanguage(QCoreApplication& application, const std::string& code);

// Installs Qt's Russian translation (qtbase_ru from Qt's translations folder): the Russian
// window's language. Returns false when the translation is not installed on this machine:
// Qt's texts then stay in English.
bool installQtTranslations(QCoreApplication& application);

// The language the user chose with --lang at an earlier start ("" when none), and keeping
// a choice for the next start (in the program's settings, ~/.config/Veltrum/veltrum.conf).
std::string rememberedLanguage();
void rememberLanguage(const std::string& code);

// The decimal separator of the user's locale: ',' or '.' ('.' for any other).
char localeDecimalSeparator();

// A text of the program's tables (marked VT_NOOP("Veltrum", …)) in the user's language.
QString text(const char* source);
inline QString text(const std::string& source) {
    return text(source.c_str());
}

} // namespace ui
