// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The guide (help/guide.md) in the user's language. It is written once, in Russian
// Markdown; every block of it (the text between blank lines: a paragraph, a heading, a
// list, a table) is one text for the translators, in the context "Guide". A heading ends
// in its anchor, "## УВЧ {#uhf}", which the links of the guide point at ("[УВЧ](#uhf)")
// and which a translation keeps.

#include <string>
#include <string_view>
#include <vector>

namespace front {

// The blocks of a guide: the runs of lines between empty lines (or lines of blanks), each
// without its last line break; empty blocks are dropped. The tools that make the
// translators' list of texts and the page's guide split it by the same rule.
std::vector<std::string> guideBlocks(std::string_view markdown);

// A guide ready to show: its Markdown with the anchors taken off the headings, and the
// anchors of the headings in the order they come ("" for a heading without one).
struct Guide {
    std::string markdown;
    std::vector<std::string> headingAnchors;
};

// The guide with every block translated (a block without a translation stays as written).
Guide translatedGuide(std::string_view markdown);

} // namespace front
