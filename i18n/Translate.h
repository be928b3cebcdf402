// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's texts in the user's language, without Qt. Russian is the source: every
// text the user can see is written in Russian in the code, marked for Qt Linguist, and
// looked up in the language's catalogue when it is shown.
//   VT_NOOP("Context", "текст")            marks a text kept in a table (lupdate reads it
//                                          as QT_TRANSLATE_NOOP); it is the text itself;
//   i18n::translate("Context", "текст")    the text in the user's language (lupdate reads
//                                          this call too);
//   i18n::arg(pattern, {a, b})             %1, %2, … of a pattern filled in.
// A front end installs the catalogue: the window Qt's translator, the page a catalogue
// exported from the same .ts files. Without one every text stays Russian.

#include <functional>
#include <initializer_list>
#include <string>

#define VT_NOOP(context, text) text

namespace i18n {

// A text in a context, in the user's language; the source when there is no translation.
std::string translate(const char* context, const char* source);
// The same in the program's one context, "Veltrum", where every text of its tables is
// marked: VT_NOOP("Veltrum", …).
inline std::string tr(const char* source) {
    return translate("Veltrum", source);
}

// The function that looks texts up; none (the default) keeps the source. It may be called
// from any thread; a text looked up while another is installed comes from either.
using Translator = std::function<std::string(const char* context, const char* source)>;
void setTranslator(Translator translator);

// The language now shown: "ru" (the source) or a catalogue's code ("en").
void setLanguage(const std::string& code);
std::string language();

// %1 … %9 of a pattern replaced by the texts given, in one pass (a text that holds "%2"
// is not replaced again).
std::string arg(const std::string& pattern, std::initializer_list<std::string> texts);

} // namespace i18n
