// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Numbers.h"

#include "model/Fault.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <cmath>
#include <limits>
#include <system_error>

namespace model {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Replaces the Unicode minus sign U+2212 (UTF-8 E2 88 92), which Russian typography and
// copied formulas use, by the ASCII hyphen-minus.
std::string normaliseMinus(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\xE2\x88\x92") == 0) {
            out.push_back('-');
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

} // namespace

ParseResult parseNumber(std::string_view rawText) {
    const std::string normalised = normaliseMinus(rawText);
    const std::string_view text = trimBlanks(normalised);
    if (text.empty())
        return {0.0, NumberError::Empty};

    // Scan the grammar: [sign] digits [sep digits] [e [sign] digits], building a
    // canonical copy with '.' for from_chars.
    std::string canonical;
    canonical.reserve(text.size());
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-')
            canonical.push_back('-');
        ++i;
    }
    std::size_t mantissaDigits = 0;
    int separators = 0;
    bool blankInside = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            canonical.push_back(c);
            ++mantissaDigits;
        } else if (c == ',' || c == '.') {
            ++separators;
            canonical.push_back('.');
        } else if (isBlank(c) || c == '\'' || text.compare(i, 2, "\xC2\xA0") == 0) {
            blankInside = true; // "1 000", "1'000", no-break space
            if (c == '\xC2')
                ++i;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0 || (i < text.size() && text[i] != 'e' && text[i] != 'E'))
        return {0.0, NumberError::NotANumber};
    if (blankInside)
        return {0.0, NumberError::GroupSeparator};
    if (separators > 1)
        return {0.0, NumberError::TwoSeparators};
    if (i < text.size()) {
        canonical.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            canonical.push_back(text[i++]);
        std::size_t exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            canonical.push_back(text[i]);
            ++exponentDigits;
        }
        if (exponentDigits == 0 || i != text.size())
            return {0.0, NumberError::NotANumber};
    }

    // The nearest 64-bit float, by fast_float (the same library in every build, so that a
    // browser reads a text exactly as the desktop does).
    double value = 0.0;
    const char* first = canonical.data();
    const char* last = first + canonical.size();
    const auto [end, ec] =
        fast_float::from_chars(first, last, value, fast_float::chars_format::general);
    if (ec != std::errc() || end != last)
        return {0.0, NumberError::NotANumber};
    // Too large for a 64-bit float, or so small that it would read as zero.
    const std::string_view mantissa =
        std::string_view(canonical).substr(0, canonical.find('e')); // the whole text without one
    const bool nonZero = mantissa.find_first_of("123456789") != std::string_view::npos;
    if (!std::isfinite(value) || (value == 0 && nonZero))
        return {0.0, NumberError::OutOfRange};
    return {value, std::nullopt};
}

namespace {
FaultKind faultOf(NumberError why) {
    switch (why) {
    case NumberError::Empty:
        return FaultKind::EmptyText;
    case NumberError::GroupSeparator:
        return FaultKind::GroupSeparator;
    case NumberError::TwoSeparators:
        return FaultKind::TwoSeparators;
    case NumberError::OutOfRange:
        return FaultKind::NumberOutOfRange;
    case NumberError::NotANumber:
        break;
    }
    return FaultKind::NotANumber;
}
} // namespace

double readNumber(Quantity quantity, std::string_view text) {
    const ParseResult parsed = parseNumber(text);
    if (!parsed.ok())
        fail(faultOf(*parsed.error), {quantity}, std::string(text));
    return parsed.value;
}

std::int16_t readInt16(Quantity quantity, std::string_view text) {
    const double rounded = std::round(readNumber(quantity, text)); // half away from zero
    if (rounded < -32768.0 || rounded > 32767.0)
        fail(FaultKind::NotInt16, {quantity}, std::string(text));
    return static_cast<std::int16_t>(rounded);
}

float readFloat32(Quantity quantity, std::string_view text) {
    const double value = readNumber(quantity, text);
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
        fail(FaultKind::NotFloat32, {quantity}, std::string(text));
    return static_cast<float>(value);
}

std::string formatNumber(double value, char decimalSeparator) {
    return formatNumber(value, decimalSeparator, 15);
}

std::string formatNumber(double value, char decimalSeparator, int digits) {
    digits = digits < 1 ? 1 : digits > 15 ? 15 : digits;
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    if (value == 0.0)
        return "0";

    // Rounded to `digits` significant digits, in the shape printf's %.15G would give;
    // correctly rounded by {fmt}, the same in every build.
    std::string scientific = fmt::format("{:.{}e}", value, digits - 1); // d.ddde±XX
    const std::size_t ePos = scientific.find('e');
    const int exponent = std::stoi(scientific.substr(ePos + 1));

    std::string text;
    if (exponent < -5 || exponent >= digits) {
        std::string mantissa = scientific.substr(0, ePos);
        if (mantissa.find('.') != std::string::npos) {
            while (mantissa.back() == '0')
                mantissa.pop_back();
            if (mantissa.back() == '.')
                mantissa.pop_back();
        }
        const int magnitude = exponent < 0 ? -exponent : exponent;
        text = mantissa + 'E' + (exponent < 0 ? '-' : '+') + (magnitude < 10 ? "0" : "") +
               std::to_string(magnitude);
    } else {
        const int decimals = digits - 1 - exponent; // `digits` significant digits in all
        text = fmt::format("{:.{}f}", value, decimals);
        if (text.find('.') != std::string::npos) {
            while (text.back() == '0')
                text.pop_back();
            if (text.back() == '.')
                text.pop_back();
        }
        if (text == "-0")
            text = "0";
    }
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    return text;
}

} // namespace model
