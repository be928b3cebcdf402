// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random typing against the number parser, and random numbers through the label form and
// back: a million of each. The parser must never crash, never return a non-finite value,
// accept exactly the texts of its grammar with the value strtod gives them, and read back
// every label it writes as the number rounded to fifteen significant digits.

#include "model/Numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

namespace {

constexpr int kTexts = 1000000;
constexpr int kNumbers = 1000000;

// Pieces a student (or a cat on the keyboard) might type, including the other minus sign,
// the no-break space, letters of "inf" and "nan", and bytes that are not UTF-8 at all.
const char* const kPieces[] = {
    "0",        "1", "2",    "3",    "4",    "5",        "6",  "7",  "8",
    "9",        "0", "1",    "5",    "9",    ",",        ".",  ",",  ".",
    "e",        "E", "+",    "-",    " ",    "\t",       "\n", "a",  "n",
    "i",        "f", "x",    "inf",  "nan",  "0x",       "1e", "e-", "\xE2\x88\x92",
    "\xC2\xA0", "'", "\xFF", "\xC3", "\x80", "\xD0\xB5", "%",
};

std::string randomText(std::mt19937_64& random) {
    std::uniform_int_distribution<int> length(0, 14);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::string text;
    const int pieces = length(random);
    for (int i = 0; i < pieces; ++i)
        text += kPieces[piece(random)];
    if (random() % 64 == 0)
        text.insert(text.begin() + static_cast<std::ptrdiff_t>(random() % (text.size() + 1)),
                    '\0'); // a stray NUL byte
    return text;
}

// The grammar written out a second time, independently of the parser: blanks around,
// an optional sign, digits with at most one ',' or '.', an optional exponent. Returns the
// text strtod should read, or nothing when the text is not a number.
bool grammarAccepts(std::string_view raw, std::string& forStrtod) {
    std::string text;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw.substr(i, 3) == "\xE2\x88\x92") {
            text += '-';
            i += 2;
        } else {
            text += raw[i];
        }
    }
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    std::size_t i = first;
    forStrtod.clear();
    if (i < last && (text[i] == '+' || text[i] == '-'))
        forStrtod += text[i++];
    int digits = 0;
    int separators = 0;
    for (; i < last; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            forStrtod += c;
        } else if (c == ',' || c == '.') {
            ++separators;
            forStrtod += '.';
        } else {
            break;
        }
    }
    if (digits == 0 || separators > 1)
        return false;
    if (i < last && (text[i] == 'e' || text[i] == 'E')) {
        forStrtod += 'e';
        ++i;
        if (i < last && (text[i] == '+' || text[i] == '-'))
            forStrtod += text[i++];
        int exponentDigits = 0;
        for (; i < last && text[i] >= '0' && text[i] <= '9'; ++i, ++exponentDigits)
            forStrtod += text[i];
        if (exponentDigits == 0)
            return false;
    }
    return i == last;
}

TEST(NumbersFuzz, RandomTypingIsReadExactlyAsTheGrammarSays) {
    std::mt19937_64 random(20261208);
    int accepted = 0;
    for (int n = 0; n < kTexts; ++n) {
        const std::string text = randomText(random);
        const model::ParseResult result = model::parseNumber(text);
        std::string forStrtod;
        const bool grammar = grammarAccepts(text, forStrtod);
        if (result.ok()) {
            ++accepted;
            ASSERT_TRUE(std::isfinite(result.value)) << text;
            ASSERT_TRUE(grammar) << "accepted a text outside the grammar: «" << text << "»";
            ASSERT_EQ(result.value, std::strtod(forStrtod.c_str(), nullptr)) << text;
            continue;
        }
        if (!grammar)
            continue;
        // Inside the grammar, only magnitudes a 64-bit float cannot hold are refused.
        const double value = std::strtod(forStrtod.c_str(), nullptr);
        const double magnitude = std::fabs(value);
        ASSERT_TRUE(!std::isfinite(value) || (magnitude < DBL_MIN))
            << "refused «" << text << "» = " << value;
        ASSERT_EQ(*result.error, model::NumberError::OutOfRange) << text;
    }
    // The pieces are chosen so that a good share of the texts are numbers.
    EXPECT_GT(accepted, kTexts / 50);
}

// The label form of a number read back: the number rounded to fifteen significant digits.
TEST(NumbersFuzz, LabelsReadBackAsTheNumberToFifteenDigits) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 308);
    for (int n = 0; n < kNumbers; ++n) {
        double value;
        if (n % 2 == 0) { // any finite bit pattern
            std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
        } else { // numbers of the size the receiver produces, and every other size
            value = mantissa(random) * std::pow(10.0, exponent(random) / (n % 3 == 0 ? 40 : 1));
            if (!std::isfinite(value))
                continue;
        }
        const char separator = n % 4 < 2 ? ',' : '.';
        const std::string label = model::formatNumber(value, separator);
        ASSERT_EQ(label.find(separator == ',' ? '.' : ','), std::string::npos) << label;
        ASSERT_EQ(label.find(' '), std::string::npos) << label;
        const model::ParseResult back = model::parseNumber(label);
        ASSERT_TRUE(back.ok()) << label;
        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.14e", value);
        const double expected = value == 0 ? 0.0 : std::strtod(rounded, nullptr);
        ASSERT_EQ(back.value, expected) << label << " from " << rounded;
    }
}

} // namespace
