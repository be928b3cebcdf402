// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Numbers.h"
#include "model/Fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using model::NumberError;

struct ParseCase {
    const char* text;
    bool ok;
    double value;      // when ok
    NumberError error; // when not ok
};

// Both separators are accepted whatever the user's locale: the window's defaults are
// written with a decimal comma.
const ParseCase kParseCases[] = {
    {"0,1", true, 0.1, {}},
    {"0.1", true, 0.1, {}},
    {"304", true, 304, {}},
    {"  12  ", true, 12, {}},
    {"\t7000\t", true, 7000, {}},
    {"-1", true, -1, {}},
    {"+2,5", true, 2.5, {}},
    {"-0", true, -0.0, {}},
    {"1e-3", true, 1e-3, {}},
    {"2,5E3", true, 2500, {}},
    {"2.5e+3", true, 2500, {}},
    {"1E16", true, 1e16, {}},
    {",5", true, 0.5, {}},
    {"5,", true, 5, {}},
    {"\u22123", true, -3, {}},    // the typographic minus sign U+2212, then 3
    {"1e-320", true, 1e-320, {}}, // subnormal but representable
    {"", false, 0, NumberError::Empty},
    {"   ", false, 0, NumberError::Empty},
    {"abc", false, 0, NumberError::NotANumber},
    {"12abc", false, 0, NumberError::NotANumber},
    {"inf", false, 0, NumberError::NotANumber},
    {"-inf", false, 0, NumberError::NotANumber},
    {"nan", false, 0, NumberError::NotANumber},
    {"infinity", false, 0, NumberError::NotANumber},
    {"0x10", false, 0, NumberError::NotANumber},
    {"1e", false, 0, NumberError::NotANumber},
    {"1e+", false, 0, NumberError::NotANumber},
    {"-", false, 0, NumberError::NotANumber},
    {"+-1", false, 0, NumberError::NotANumber},
    {",", false, 0, NumberError::NotANumber},
    {"1,2,3", false, 0, NumberError::TwoSeparators},
    {"1.2,3", false, 0, NumberError::TwoSeparators},
    {"1 000", false, 0, NumberError::GroupSeparator},
    {"1\u00A0000", false, 0, NumberError::GroupSeparator}, // no-break space
    {"1'000", false, 0, NumberError::GroupSeparator},
    {"1e999", false, 0, NumberError::OutOfRange},
    {"-1e999", false, 0, NumberError::OutOfRange},
    {"1e2.5", false, 0, NumberError::NotANumber},
    {"12 кГц", false, 0, NumberError::NotANumber},
    {"1,5e", false, 0, NumberError::NotANumber},
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, AcceptsOrRejects) {
    const ParseCase& c = GetParam();
    const model::ParseResult result = model::parseNumber(c.text);
    ASSERT_EQ(result.ok(), c.ok) << "text: [" << c.text << "]";
    if (c.ok) {
        EXPECT_EQ(result.value, c.value) << c.text;
        EXPECT_EQ(std::signbit(result.value), std::signbit(c.value)) << c.text;
    } else {
        EXPECT_EQ(*result.error, c.error) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ParseNumberTest, ::testing::ValuesIn(kParseCases));

TEST(ReadNumber, NamesTheQuantityTheKindAndTheText) {
    const struct {
        const char* text;
        model::FaultKind kind;
    } cases[] = {
        {"abc", model::FaultKind::NotANumber},         {"", model::FaultKind::EmptyText},
        {"1 000", model::FaultKind::GroupSeparator},   {"1,2,3", model::FaultKind::TwoSeparators},
        {"1e999", model::FaultKind::NumberOutOfRange},
    };
    for (const auto& c : cases) {
        try {
            model::readNumber(model::Quantity::ReceiverNoise, c.text);
            ADD_FAILURE() << c.text << ": no error";
        } catch (const model::ModelError& error) {
            EXPECT_EQ(error.fault().kind, c.kind) << c.text;
            ASSERT_EQ(error.fault().quantities.size(), 1u);
            EXPECT_EQ(error.fault().quantities.front(), model::Quantity::ReceiverNoise);
            EXPECT_EQ(error.fault().text, c.text);
        }
    }
    EXPECT_DOUBLE_EQ(model::readNumber(model::Quantity::Gain, "4"), 4.0);
}

struct Int16Case {
    const char* text;
    bool ok;
    int value;
};

TEST(ReadInt16, RoundsHalfAwayFromZeroWithinRange) {
    const Int16Case cases[] = {
        {"300", true, 300},       {"2,5", true, 3},       {"-2,5", true, -3},
        {"2,4999", true, 2},      {"32767", true, 32767}, {"-32768", true, -32768},
        {"32767,4", true, 32767}, {"32767,5", false, 0},  {"-32768,5", false, 0},
        {"40000", false, 0},      {"1e300", false, 0},    {"abc", false, 0},
        {"", false, 0},
    };
    const auto tsl = model::Quantity::SideLobeTemperature;
    for (const Int16Case& c : cases) {
        if (c.ok) {
            EXPECT_EQ(model::readInt16(tsl, c.text), c.value) << c.text;
        } else {
            EXPECT_THROW(model::readInt16(tsl, c.text), model::ModelError) << c.text;
        }
    }
}

TEST(ReadFloat32, NarrowsToFloatAndRejectsOverflow) {
    const auto beta = model::Quantity::SideLobeFraction;
    EXPECT_EQ(model::readFloat32(beta, "0,1"), 0.1f);
    EXPECT_EQ(model::readFloat32(beta, "-2"), -2.0f);
    try {
        model::readFloat32(beta, "1e39");
        ADD_FAILURE() << "1e39 accepted as a 32-bit float";
    } catch (const model::ModelError& error) {
        EXPECT_EQ(error.fault().kind, model::FaultKind::NotFloat32);
    }
    EXPECT_THROW(model::readFloat32(beta, "abc"), model::ModelError);
}

struct FormatCase {
    double value;
    char separator;
    const char* text;
};

const FormatCase kFormatCases[] = {
    {303.6, ',', "303,6"},
    {303.6, '.', "303.6"},
    {0.9 * 304 + 29.999999999999993, ',', "303,6"},
    {100, ',', "100"},
    {204, '.', "204"},
    {(100 + 273.6) * 2 * 1.4142135623730951 / 948.68329805051379, ',', "1,1138599951919"},
    {1e-7, ',', "1E-07"},
    {1.5e-7, ',', "1,5E-07"},
    {1e16, '.', "1E+16"},
    {-1e16, '.', "-1E+16"},
    {1e15, '.', "1E+15"},
    {123456789012345.0, '.', "123456789012345"},
    {0.00001, '.', "0.00001"},
    {0.000001, '.', "1E-06"},
    {-0.0, ',', "0"},
    {0.0, ',', "0"},
    {-2.5, ',', "-2,5"},
    {1.0 / 3.0, ',', "0,333333333333333"},
    {2.0 / 3.0, '.', "0.666666666666667"},
    {999999999999999.9, '.', "1E+15"},
    {1e300, '.', "1E+300"},
    {5e-324, '.', "4.94065645841247E-324"},
    {97.92, ',', "97,92"},
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, GeneralFormWithFifteenDigits) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(model::formatNumber(c.value, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatNumberTest, ::testing::ValuesIn(kFormatCases));

// A table cell: six significant digits, the exponent form once a seventh would be needed.
TEST(FormatNumber, SixDigitsForATableCell) {
    const FormatCase cases[] = {
        {0.006584173219847, ',', "0,00658417"},
        {203.61234567, ',', "203,612"},
        {1000, '.', "1000"},
        {999999.4, '.', "999999"},
        {999999.7, '.', "1E+06"},
        {1234567, ',', "1,23457E+06"},
        {0.0000099999996, '.', "0.00001"},
        {2.5e-7, ',', "2,5E-07"},
        {-0.0, ',', "0"},
        {-1.0 / 3.0, '.', "-0.333333"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(model::formatNumber(c.value, c.separator, 6), c.text) << c.value;
}

TEST(FormatNumber, RoundTripsThroughTheParserToFifteenDigits) {
    const double values[] = {303.6,    1.1138599951919, 6e-5,
                             1.125e-4, 60595.77,        -133000.5,
                             1e-300,   1.5e308,         2.2250738585072014e-308};
    for (const double value : values) {
        for (const char separator : {',', '.'}) {
            const std::string text = model::formatNumber(value, separator);
            const model::ParseResult back = model::parseNumber(text);
            ASSERT_TRUE(back.ok()) << text;
            EXPECT_NEAR(back.value, value, std::fabs(value) * 1e-14) << text;
        }
    }
}

} // namespace
