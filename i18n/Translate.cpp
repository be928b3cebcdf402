// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/Translate.h"

#include <memory>
#include <mutex>
#include <vector>

namespace i18n {

namespace {

// The lookup and the language, changed by a front end while other threads (the
// experiment's) may be looking texts up: each reader takes its own reference.
struct Installed {
    std::mutex mutex;
    std::shared_ptr<const Translator> translator;
    std::string code = "ru";
};

Installed& installed() {
    static Installed state;
    return state;
}

} // namespace

std::string translate(const char* context, const char* source) {
    std::shared_ptr<const Translator> translator;
    {
        const std::lock_guard<std::mutex> lock(installed().mutex);
        translator = installed().translator;
    }
    return translator && *translator ? (*translator)(context, source) : std::string(source);
}

void setTranslator(Translator translator) {
    auto made = std::make_shared<const Translator>(std::move(translator));
    const std::lock_guard<std::mutex> lock(installed().mutex);
    installed().translator = std::move(made);
}

void setLanguage(const std::string& code) {
    const std::lock_guard<std::mutex> lock(installed().mutex);
    installed().code = code;
}

std::string language() {
    const std::lock_guard<std::mutex> lock(installed().mutex);
    return installed().code;
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
