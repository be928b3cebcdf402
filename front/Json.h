// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// JSON as the lab setups and the golden presses are written: a strict reader of RFC 8259
// JSON (JSON for Modern C++ underneath) that also refuses what a setup must not hold (text
// that is not UTF-8, a repeated key, a NUL in a string, containers nested deeper than
// kMaxDepth) and keeps every number as its text, so that a whole number up to 2⁶⁴ − 1 is
// read exactly; a UTF-8 byte-order mark before the value is skipped. And the few pieces a
// writer needs.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace front::json {

struct Value {
    enum class Type { Null, Boolean, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    std::string text; // a string's characters (UTF-8), or a number as written
    std::vector<Value> items;
    std::vector<std::pair<std::string, Value>> members; // in the order written

    bool is(Type kind) const { return type == kind; }
    // The member of that key; nullptr when there is none (or this is not an object).
    const Value* find(std::string_view key) const;
};

// Why a text is not JSON, and where.
struct ParseError {
    std::size_t offset = 0; // in bytes from the start
    std::string what;       // a short description, in Russian (i18n::tr gives it translated)
};

inline constexpr int kMaxDepth = 32; // containers, one inside another

// The value of a whole text; none, with the error, when it is not strict JSON.
std::optional<Value> parse(std::string_view text, ParseError* error = nullptr);

// A string as JSON: in double quotes, with the escapes JSON needs.
std::string quote(std::string_view text);

// Whether a text is well-formed UTF-8 (no overlong forms, no surrogates).
bool isUtf8(std::string_view text);
// Its length in characters (code points); for well-formed UTF-8.
std::size_t characterCount(std::string_view text);

} // namespace front::json
