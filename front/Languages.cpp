// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Languages.h"

#include "i18n/Translate.h"

#include <algorithm>

namespace front {

std::optional<std::string> languageCode(std::string_view typed) {
    const std::size_t start = typed.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return std::nullopt;
    typed.remove_prefix(start);
    std::string code;
    for (const char c : typed) {
        if (c == '_' || c == '-' || c == '.' || c == '@')
            break;
        if (c >= 'A' && c <= 'Z')
            code += static_cast<char>(c - 'A' + 'a');
        else if (c >= 'a' && c <= 'z')
            code += c;
        else if (c == ' ' || c == '\t')
            break;
        else
            return std::nullopt;
    }
    if (code.size() < 2 || code.size() > 3)
        return std::nullopt;
    return code;
}

LanguageChoice chooseLanguage(const LanguageRequests& requests,
                              const std::vector<std::string>& available) {
    auto has = [&](const std::string& code) {
        return std::find(available.begin(), available.end(), code) != available.end();
    };
    auto known = [&](const std::optional<std::string>& typed) -> std::optional<std::string> {
        if (!typed)
            return std::nullopt;
        const std::optional<std::string> code = languageCode(*typed);
        if (code && has(*code))
            return code;
        return std::nullopt;
    };
    auto refuse = [&](const std::string& typed) {
        std::string list;
        for (const std::string& code : available)
            list += (list.empty() ? "" : ", ") + code;
        // %1 the language asked for, %2 the languages there are.
        return i18n::arg(i18n::translate("Veltrum", "нет языка «%1»; есть: %2"), {typed, list});
    };

    LanguageChoice choice;
    if (requests.option) {
        if (const std::optional<std::string> code = known(requests.option)) {
            choice.code = *code;
            choice.remember = true;
            return choice;
        }
        choice.problem = refuse(*requests.option);
        choice.optionRefused = true;
    }
    if (requests.environment && !requests.environment->empty()) {
        if (const std::optional<std::string> code = known(requests.environment)) {
            choice.code = *code;
            return choice;
        }
        if (choice.problem.empty())
            choice.problem = refuse(*requests.environment);
    }
    if (const std::optional<std::string> code = known(requests.remembered))
        choice.code = *code;
    return choice;
}

} // namespace front
