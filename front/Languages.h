// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which language the program speaks. Russian, the language its texts are written in, is
// the default on every desktop and in every browser; another language is shown only when
// the user asks for it: on the desktop with --lang (remembered for the next start) or
// VELTRUM_LANG, in the browser with #lang= or the page's switch (remembered by the page).

#include "i18n/Translate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace front {

// The source language, and its name, which every catalogue translates into the name of
// its own language ("English"): the names a language switch offers.
inline constexpr const char* kSourceLanguage = "ru";
inline constexpr const char* kLanguageName = VT_NOOP("Veltrum", "Русский");

// A language as typed ("en", "EN", "en_GB.UTF-8", "en-US"): its code in lower case
// ("en"); nothing when the text is not a language code.
std::optional<std::string> languageCode(std::string_view typed);

// Where the user asked for a language, strongest first; each may be missing.
struct LanguageRequests {
    std::optional<std::string> option;      // --lang, #lang=
    std::optional<std::string> environment; // VELTRUM_LANG
    std::optional<std::string> remembered;  // the choice kept from an earlier --lang
};

struct LanguageChoice {
    std::string code = kSourceLanguage;
    // The option named a language this program has: keep it for the next start.
    bool remember = false;
    // A language asked for by the option or the environment that this program does not
    // have (the message to show, for the first such request); the choice then falls to
    // the next request. The desktop ends on a refused option; the page goes on.
    std::string problem;
    bool optionRefused = false;
};

// The language to speak, given the languages the program has (the source among them).
LanguageChoice chooseLanguage(const LanguageRequests& requests,
                              const std::vector<std::string>& available);

} // namespace front
