// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Without Qt: the guide split into the blocks the translators see and put together again
// in a language, with its heading anchors; the language the program speaks, from what the
// user typed where; the patterns the translated texts are built from.

#include "front/Guide.h"
#include "front/Languages.h"
#include "i18n/Translate.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Blocks = std::vector<std::string>;

TEST(Guide, SplitsIntoTheBlocksBetweenEmptyLines) {
    const struct {
        const char* markdown;
        Blocks blocks;
    } cases[] = {
        {"", {}},
        {"\n\n \n", {}},
        {"# A {#a}\n\nText\non two lines.\n", {"# A {#a}", "Text\non two lines."}},
        // Windows line ends, blanks on an empty line, several empty lines, no last break.
        {"One\r\n \t\r\n\r\n\r\nTwo\r\n- a\r\n- b", {"One", "Two\n- a\n- b"}},
        {"\n\n| a | b |\n|---|---|\n| 1 | 2 |\n\n\n", {"| a | b |\n|---|---|\n| 1 | 2 |"}},
        // Blanks at the ends of lines stay: they belong to the block's text.
        {"Line  \nnext", {"Line  \nnext"}},
    };
    for (const auto& row : cases)
        EXPECT_EQ(front::guideBlocks(row.markdown), row.blocks) << row.markdown;
}

TEST(Guide, TranslatesEveryBlockAndTakesTheAnchorsOffTheHeadings) {
    const std::map<std::string, std::string> english = {
        {"# Справка {#top}", "# Help {#top}"},
        {"## УВЧ {#uhf}\nУсилитель.", "## UHF amplifier {#uhf}\nThe amplifier."},
        {"См. [УВЧ](#uhf).", "See [UHF](#uhf)."},
    };
    i18n::setTranslator([&english](const char* context, const char* source) {
        EXPECT_STREQ(context, "Guide");
        const auto found = english.find(source);
        return found == english.end() ? std::string(source) : found->second;
    });
    const front::Guide guide = front::translatedGuide(
        "# Справка {#top}\n\n## УВЧ {#uhf}\nУсилитель.\n\nСм. [УВЧ](#uhf).\n\n### Без якоря\n\n"
        "#не заголовок {#x}\n");
    i18n::setTranslator({});
    EXPECT_EQ(guide.markdown, "# Help\n\n## UHF amplifier\nThe amplifier.\n\nSee [UHF](#uhf).\n\n"
                              "### Без якоря\n\n#не заголовок {#x}\n");
    EXPECT_EQ(guide.headingAnchors, (Blocks{"top", "uhf", ""}));
}

TEST(Languages, CodeOfWhatTheUserTyped) {
    const struct {
        const char* typed;
        const char* code; // nullptr: not a language
    } cases[] = {
        {"en", "en"},         {"EN", "en"},      {"en_GB.UTF-8", "en"}, {"en-US", "en"},
        {" ru ", "ru"},       {"de@euro", "de"}, {"", nullptr},         {"e", nullptr},
        {"english", nullptr}, {"e1", nullptr},   {"../en", nullptr},    {"рус", nullptr},
    };
    for (const auto& row : cases) {
        const std::optional<std::string> code = front::languageCode(row.typed);
        if (row.code)
            EXPECT_EQ(code, std::string(row.code)) << row.typed;
        else
            EXPECT_EQ(code, std::nullopt) << row.typed;
    }
}

TEST(Languages, TheOptionThenTheEnvironmentThenTheRememberedThenRussian) {
    using Text = std::optional<std::string>;
    const std::vector<std::string> available = {"ru", "en"};
    const struct {
        Text option, environment, remembered;
        const char* code;
        bool remember, refused, problem;
    } cases[] = {
        {{}, {}, {}, "ru", false, false, false},
        {{}, {}, "en", "en", false, false, false},
        {{}, {}, "xx", "ru", false, false, false}, // a language no longer there
        {{}, "en_GB.UTF-8", "ru", "en", false, false, false},
        {{}, "", "en", "en", false, false, false},  // set but empty: as if unset
        {{}, "de", "en", "en", false, false, true}, // reported, then the remembered
        {"EN", "ru", "ru", "en", true, false, false},
        {"ru", "en", "en", "ru", true, false, false}, // back to Russian, remembered
        {"de", "xx", "en", "en", false, true, true},  // the desktop ends with status 1
    };
    for (const auto& row : cases) {
        const front::LanguageChoice choice =
            front::chooseLanguage({row.option, row.environment, row.remembered}, available);
        EXPECT_EQ(choice.code, row.code);
        EXPECT_EQ(choice.remember, row.remember);
        EXPECT_EQ(choice.optionRefused, row.refused);
        EXPECT_EQ(!choice.problem.empty(), row.problem) << choice.problem;
    }
    EXPECT_EQ(front::chooseLanguage({std::string("xx"), {}, {}}, available).problem,
              "нет языка «xx»; есть: ru, en");
}

TEST(Patterns, FillEachPlaceOnceInOnePass) {
    EXPECT_EQ(i18n::arg("%1 и %2", {"a", "b"}), "a и b");
    EXPECT_EQ(i18n::arg("%2, %1", {"a", "b"}), "b, a");
    EXPECT_EQ(i18n::arg("%1", {"%2"}), "%2");              // not filled again
    EXPECT_EQ(i18n::arg("100% %3 %", {"a"}), "100% %3 %"); // no such text: left as it is
    EXPECT_EQ(i18n::arg("%1%1", {"x"}), "xx");
}

} // namespace
