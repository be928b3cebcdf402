// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Guide.h"

#include "i18n/Translate.h"

#include <algorithm>

namespace front {

namespace {

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// A heading line "## Title {#anchor}": the level's marks and the title stay, the anchor
// is taken off and returned. Any other line is left as it is and gives no anchor.
bool takeAnchor(std::string& line, std::string& anchor) {
    const std::size_t marks = line.find_first_not_of('#');
    if (marks == 0 || marks == std::string::npos || marks > 6 || line[marks] != ' ')
        return false;
    anchor.clear();
    std::size_t end = line.find_last_not_of(" \t\r");
    if (end != std::string::npos && line[end] == '}') {
        const std::size_t open = line.rfind("{#");
        if (open != std::string::npos && open > marks) {
            anchor = line.substr(open + 2, end - open - 2);
            line.erase(line.find_last_not_of(' ', open - 1) + 1);
        }
    }
    return true;
}

} // namespace

std::vector<std::string> guideBlocks(std::string_view markdown) {
    std::vector<std::string> blocks;
    std::string block;
    auto finish = [&] {
        if (!block.empty())
            blocks.push_back(block);
        block.clear();
    };
    while (!markdown.empty()) {
        const std::size_t end = markdown.find('\n');
        std::string_view line = markdown.substr(0, end);
        markdown.remove_prefix(end == std::string_view::npos ? markdown.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (isBlank(line)) {
            finish();
            continue;
        }
        if (!block.empty())
            block += '\n';
        block += line;
    }
    finish();
    return blocks;
}

Guide translatedGuide(std::string_view markdown) {
    Guide guide;
    for (const std::string& block : guideBlocks(markdown)) {
        const std::string text = i18n::translate("Guide", block.c_str());
        if (!guide.markdown.empty())
            guide.markdown += "\n\n";
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            std::string line = text.substr(start, end - start);
            std::string anchor;
            if (takeAnchor(line, anchor))
                guide.headingAnchors.push_back(anchor);
            guide.markdown += line;
            if (end < text.size())
                guide.markdown += '\n';
            start = end + 1;
        }
    }
    guide.markdown += '\n';
    return guide;
}

} // namespace front
