// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The JSON reader on its own: every kind of malformed text, in objects and arrays, in keys
// and values, refused with its class of fault and the byte where it was found; and what it
// reads, kept as written (numbers as their text, members in their order).

#include "front/Json.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using front::json::Value;

struct Refusal {
    std::string text;
    const char* why;    // the reader's description, exactly
    std::size_t offset; // the byte where it was found, from 0
};

TEST(JsonReader, EveryMalformedTextIsRefusedWithItsFaultAndWhere) {
    const Refusal cases[] = {
        {"", "текст оборвался", 0},
        {"   ", "текст оборвался", 3},
        {R"({"a": 1)", "текст оборвался", 7},
        {R"({"a": 1,})", "ожидалось имя ключа в кавычках", 8},
        {R"({"a": [1, 2,]})", "неверное значение", 12},
        {R"([1, 2,])", "неверное значение", 6},
        {R"({,})", "ожидалось имя ключа в кавычках", 1},
        {R"([,])", "неверное значение", 1},
        {R"({a: 1})", "неизвестное слово", 1},
        {R"({"a" 1})", "после ключа ожидалось «:»", 5},
        {R"({"a": 1 "b": 2})", "ожидалось «,» или «}»", 10},
        {R"([1 2])", "ожидалось «,» или «]»", 3},
        {R"({"a": 1])", "ожидалось «,» или «}»", 7},
        {R"([1})", "ожидалось «,» или «]»", 2},
        {R"([tru])", "неизвестное слово", 4},
        {R"([True])", "неизвестное слово", 1},
        {R"([nul])", "неизвестное слово", 4},
        {R"([1.])", "неверное число", 3},
        {R"([-])", "неверное число", 2},
        {R"([+1])", "неизвестное слово", 1},
        {R"([.5])", "неизвестное слово", 1},
        {R"([1e])", "неверное число", 3},
        {R"([1e999])", "неверное число", 5},
        {R"([01])", "ожидалось «,» или «]»", 2},
        {R"(["\q"])", "неверная escape-последовательность", 3},
        {R"({"\q": 1})", "неверная escape-последовательность", 3},
        {R"(["\u12G4"])", "неверная последовательность \\u", 6},
        {R"(["\uD800"])", "непарный суррогат в \\u", 8},
        {R"(["\uDC00"])", "непарный суррогат в \\u", 7},
        {R"(["\u0000"])", "нулевой символ внутри строки", 8},
        {R"({"\u0000": 1})", "нулевой символ внутри строки", 8},
        {R"(["abc)", "строка не закрыта кавычкой", 5},
        {R"({"a": 1, "a": 2})", "ключ повторяется", 12},
        {R"({"x": {"a": 1, "a": 2}})", "ключ повторяется", 18},
        {R"({} x)", "после значения есть лишний текст", 3},
        {R"({}{})", "после значения есть лишний текст", 2},
        {"[\"\xC0\xAF\"]", "текст не в кодировке UTF-8", 2},
        {"{\"\xED\xA0\x80\": 1}", "текст не в кодировке UTF-8", 2},
        {"[1] \xFF", "текст не в кодировке UTF-8", 4},
        {"\xEF\xBB\xBE{}", "неполная метка порядка байтов", 2},
        {"\xEF\xBB\xBF\xEF\xBB\xBF{}", "неизвестное слово", 3},
        {"[1, /* note */ 2]", "неизвестное слово", 4},
        {std::string(33, '[') + std::string(33, ']'), "слишком глубокая вложенность", 32},
    };
    for (const Refusal& c : cases) {
        front::json::ParseError error;
        EXPECT_FALSE(front::json::parse(c.text, &error)) << c.text;
        EXPECT_EQ(error.what, c.why) << c.text;
        EXPECT_EQ(error.offset, c.offset) << c.text;
    }
}

// A raw control character U+0001 … U+001F (and U+0000) is refused inside a string and a
// key; escaped, every one is read.
TEST(JsonReader, RawControlCharactersInStringsAndKeysAreRefused) {
    for (int code = 0; code < 0x20; ++code) {
        const std::string raw(1, static_cast<char>(code));
        for (const std::string& text : {"[\"a" + raw + "\"]", "{\"a" + raw + "\": 1}"}) {
            front::json::ParseError error;
            EXPECT_FALSE(front::json::parse(text, &error)) << code;
            EXPECT_EQ(error.what, "управляющий символ внутри строки") << code;
            EXPECT_EQ(error.offset, 3u) << code;
        }
        if (code == 0)
            continue;
        char escaped[16];
        std::snprintf(escaped, sizeof escaped, "[\"\\u%04X\"]", code);
        const auto read = front::json::parse(escaped);
        ASSERT_TRUE(read) << escaped;
        EXPECT_EQ(read->items.at(0).text, raw);
    }
}

TEST(JsonReader, ReadsWhatIsWrittenAsWritten) {
    const std::string text =
        "\xEF\xBB\xBF {\"z\": [18446744073709551615, -9223372036854775808, -0, 0, 1.50, 1E+3,"
        " 123456789012345678901234567890, -18446744073709551616],"
        " \"a\": {\"s\": \"\\u00e9\\ud83d\\ude00\\n\\/\\\"ж\", \"t\": true, \"f\": false,"
        " \"n\": null}, \"e\": [], \"o\": {}, \"\": [{\"a\": 1}, {\"a\": 2}]}\r\n";
    const auto read = front::json::parse(text);
    ASSERT_TRUE(read);
    ASSERT_TRUE(read->is(Value::Type::Object));
    ASSERT_EQ(read->members.size(), 5u);
    const char* order[] = {"z", "a", "e", "o", ""};
    for (std::size_t k = 0; k < 5; ++k)
        EXPECT_EQ(read->members[k].first, order[k]);
    const char* numbers[] = {
        "18446744073709551615",           "-9223372036854775808", "-0", "0", "1.50", "1E+3",
        "123456789012345678901234567890", "-18446744073709551616"};
    const Value& z = *read->find("z");
    ASSERT_EQ(z.items.size(), 8u);
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_TRUE(z.items[k].is(Value::Type::Number));
        EXPECT_EQ(z.items[k].text, numbers[k]);
    }
    const Value& a = *read->find("a");
    EXPECT_EQ(a.find("s")->text, "é\xF0\x9F\x98\x80\n/\"ж");
    EXPECT_TRUE(a.find("t")->boolean);
    EXPECT_TRUE(a.find("f")->is(Value::Type::Boolean));
    EXPECT_FALSE(a.find("f")->boolean);
    EXPECT_TRUE(a.find("n")->is(Value::Type::Null));
    EXPECT_TRUE(read->find("e")->is(Value::Type::Array));
    EXPECT_TRUE(read->find("e")->items.empty());
    EXPECT_TRUE(read->find("o")->is(Value::Type::Object));
    EXPECT_EQ(read->find("")->items.at(1).find("a")->text, "2"); // a key again, elsewhere
    EXPECT_EQ(read->find("missing"), nullptr);

    // As deep as allowed, and a scalar alone.
    EXPECT_TRUE(front::json::parse(std::string(32, '[') + std::string(32, ']')));
    EXPECT_EQ(front::json::parse(" \"ж\" ")->text, "ж");
}

} // namespace
