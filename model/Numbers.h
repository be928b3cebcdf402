// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Numbers typed into the window's fields and numbers written into its result labels.
// No locale state: both ',' and '.' are accepted as the decimal separator, and the
// caller says which separator the labels should show.

#include "model/Quantity.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace model {

// Why a text is not a number.
enum class NumberError {
    Empty,          // nothing but blanks
    NotANumber,     // letters, stray signs, "inf", "nan", hexadecimal...
    GroupSeparator, // "1 000": a blank inside the number
    TwoSeparators,  // "1,2,3" or "1.2,3"
    OutOfRange,     // too large (or too small) for a 64-bit float: "1e999"
};

struct ParseResult {
    double value = 0.0;
    std::optional<NumberError> error; // empty when the text is a number
    bool ok() const { return !error.has_value(); }
};

// Text to number: leading and trailing blanks, optional sign, digits with at most one
// decimal separator (',' or '.'), optional exponent ("1e-3", "2,5E3"). Never returns
// a non-finite value.
ParseResult parseNumber(std::string_view text);

// The number typed for a quantity; a ModelError naming the quantity and the text when
// the text is not a number.
double readNumber(Quantity quantity, std::string_view text);

// A whole number for a 16-bit signed quantity (the side-lobe temperature): rounded half
// away from zero, accepted in −32768..32767, otherwise a ModelError (NotInt16).
std::int16_t readInt16(Quantity quantity, std::string_view text);

// A 32-bit float quantity (the side-lobe share β): a ModelError when the text is not a
// number or the value does not fit a 32-bit float (NotFloat32).
float readFloat32(Quantity quantity, std::string_view text);

// Number to text for the result labels: the general form with up to 15 significant
// digits, no trailing zeros, no group separator, the given decimal separator; exponent
// form ("1,5E-07", "1E+16") when the decimal exponent is below -5 or at least 15.
// Negative zero is written "0". Non-finite values are written "nan", "inf" or "-inf"
// only so that a caller's mistake is visible; the views never pass them.
std::string formatNumber(double value, char decimalSeparator);
// The same with fewer significant digits (1..15), for a table cell: exponent form from a
// decimal exponent of `digits` on, so that no digit is made up.
std::string formatNumber(double value, char decimalSeparator, int digits);

} // namespace model
