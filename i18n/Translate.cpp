// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/Translate.h"

#include <vector>

namespace i18n {

namespace {

Translator& installed() {
    static Translator translator;
    return translator;
}

std::string& current() {
    static std::string code = "ru";
    return code;
}

} // namespace

std::string translate(const char* context, const char* source) {
    const Translator& translator = installed();
    return translator ? translator(context, source) : std::string(source);
}

void setTranslator(Translator translator) {
    installed() = std::move(translator);
}

void setLanguage(const std::string& code) {
    current() = code;
}

const std::string& language() {
    return current();
}

std::string arg(const std::string& pattern, std::initializer_list<std::string> texts) {
    const std::vector<std::string> values(texts);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if (pattern[k] == '%' && k + 1 < pattern.size() && pattern[k + 1] >= '1' &&
            pattern[k + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[k + 1] - '1');
            if (index < values.size()) {
                out += values[index];
                ++k;
                continue;
            }
        }
        out += pattern[k];
    }
    return out;
}

} // namespace i18n
