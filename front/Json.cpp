// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Json.h"

#include "i18n/Translate.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <iterator>
#include <set>

namespace front::json {

const Value* Value::find(std::string_view key) const {
    if (type != Type::Object)
        return nullptr;
    for (const auto& [name, value] : members)
        if (name == key)
            return &value;
    return nullptr;
}

namespace {

// The length of the UTF-8 character at text[at], or 0 when it is not well formed.
std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0u) != 0x80u)
            return 0;
        code = (code << 6) | (byte(at + k) & 0x3Fu);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF)
        return 0;
    return length;
}

// The offset of the first byte that is not well-formed UTF-8; the text's size when all is.
std::size_t firstBadUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8Length(text, at);
        if (length == 0)
            return at;
        at += length;
    }
    return text.size();
}

// A pointer into the text that counts how far the parser has read, so that a fault found
// between the parser's events (a repeated key, too deep a nesting) can say where it is.
class CountingIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    CountingIterator(const char* at, const char* start, std::size_t* read)
        : at_(at), start_(start), read_(read) {}
    reference operator*() const { return *at_; }
    CountingIterator& operator++() {
        ++at_;
        *read_ = static_cast<std::size_t>(at_ - start_);
        return *this;
    }
    CountingIterator operator++(int) {
        CountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const CountingIterator& other) const { return at_ == other.at_; }
    bool operator!=(const CountingIterator& other) const { return at_ != other.at_; }

private:
    const char* at_;
    const char* start_;
    std::size_t* read_;
};

// The parser's own English description of a fault, as one of the reader's Russian ones.
// The parser's texts are matched from the most particular to the most general; what it
// expected follows "; expected" (its "unexpected" names what it found instead).
const char* describe(const std::string& parserText) {
    static const struct {
        const char* parser;
        const char* ours;
    } kinds[] = {
        {"control character", VT_NOOP("Veltrum", "управляющий символ внутри строки")},
        {"ill-formed UTF-8", VT_NOOP("Veltrum", "текст не в кодировке UTF-8")},
        {"surrogate", VT_NOOP("Veltrum", "непарный суррогат в \\u")},
        {"4 hex digits", VT_NOOP("Veltrum", "неверная последовательность \\u")},
        {"after backslash", VT_NOOP("Veltrum", "неверная escape-последовательность")},
        {"missing closing quote", VT_NOOP("Veltrum", "строка не закрыта кавычкой")},
        {"invalid BOM", VT_NOOP("Veltrum", "неполная метка порядка байтов")},
        {"invalid number", VT_NOOP("Veltrum", "неверное число")},
        {"number overflow", VT_NOOP("Veltrum", "неверное число")},
        {"invalid literal", VT_NOOP("Veltrum", "неизвестное слово")},
        {"unexpected end of input", VT_NOOP("Veltrum", "текст оборвался")},
        {"; expected end of input", VT_NOOP("Veltrum", "после значения есть лишний текст")},
        {"; expected string literal", VT_NOOP("Veltrum", "ожидалось имя ключа в кавычках")},
        {"; expected ':'", VT_NOOP("Veltrum", "после ключа ожидалось «:»")},
        {"; expected '}'", VT_NOOP("Veltrum", "ожидалось «,» или «}»")},
        {"; expected ']'", VT_NOOP("Veltrum", "ожидалось «,» или «]»")},
    };
    for (const auto& kind : kinds)
        if (parserText.find(kind.parser) != std::string::npos)
            return kind.ours;
    return VT_NOOP("Veltrum", "неверное значение");
}

// Builds the values from the parser's events, in the order written, and refuses what
// strict JSON allows but a setup must not hold: a repeated key, a NUL inside a string, a
// nesting deeper than kMaxDepth.
class Builder {
public:
    using Json = nlohmann::json;

    explicit Builder(const std::size_t* read) : read_(read) {}

    bool null() { return scalar(Value{}); }
    bool boolean(bool b) {
        Value value;
        value.type = Value::Type::Boolean;
        value.boolean = b;
        return scalar(std::move(value));
    }
    // The parser gives a whole number as its value: a minus sign marks every one it reads
    // as signed, so "-0" is the only one whose digits its value does not give back.
    bool number_integer(Json::number_integer_t number) {
        return numberText(number == 0 ? "-0" : std::to_string(number));
    }
    bool number_unsigned(Json::number_unsigned_t number) {
        return numberText(std::to_string(number));
    }
    bool number_float(Json::number_float_t, const Json::string_t& written) {
        return numberText(written);
    }
    bool string(Json::string_t& text) {
        if (text.find('\0') != std::string::npos)
            return fail(*read_ - 1, VT_NOOP("Veltrum", "нулевой символ внутри строки"));
        Value value;
        value.type = Value::Type::String;
        value.text = std::move(text);
        return scalar(std::move(value));
    }
    bool binary(Json::binary_t&) { return fail(*read_, VT_NOOP("Veltrum", "неверное значение")); }
    bool start_object(std::size_t) { return open(Value::Type::Object); }
    bool key(Json::string_t& name) {
        if (name.find('\0') != std::string::npos)
            return fail(*read_ - 1, VT_NOOP("Veltrum", "нулевой символ внутри строки"));
        if (!keys_.back().insert(name).second)
            return fail(*read_, VT_NOOP("Veltrum", "ключ повторяется"));
        key_ = std::move(name);
        return true;
    }
    bool end_object() { return close(); }
    bool start_array(std::size_t) { return open(Value::Type::Array); }
    bool end_array() { return close(); }
    bool parse_error(std::size_t read, const std::string&,
                     const nlohmann::detail::exception& fault) {
        return fail(read == 0 ? 0 : read - 1,
                    complete_ ? VT_NOOP("Veltrum", "после значения есть лишний текст")
                              : describe(fault.what()));
    }

    std::optional<Value> result(ParseError* error) {
        if (!error_.what.empty()) {
            if (error)
                *error = error_;
            return std::nullopt;
        }
        return std::move(root_);
    }

private:
    bool fail(std::size_t offset, const char* what) {
        if (error_.what.empty())
            error_ = {offset, what};
        return false;
    }
    // Where the next value goes: the open container, or the root when none is open.
    bool scalar(Value value) {
        if (open_.empty()) {
            root_ = std::move(value);
            complete_ = true;
            return true;
        }
        Value& container = *open_.back();
        if (container.is(Value::Type::Object))
            container.members.emplace_back(std::move(key_), std::move(value));
        else
            container.items.push_back(std::move(value));
        return true;
    }
    bool numberText(std::string text) {
        Value value;
        value.type = Value::Type::Number;
        value.text = std::move(text);
        return scalar(std::move(value));
    }
    bool open(Value::Type type) {
        if (open_.size() >= static_cast<std::size_t>(kMaxDepth))
            return fail(*read_ - 1, VT_NOOP("Veltrum", "слишком глубокая вложенность"));
        Value container;
        container.type = type;
        Value* placed = nullptr;
        if (open_.empty()) {
            root_ = std::move(container);
            placed = &root_;
        } else if (open_.back()->is(Value::Type::Object)) {
            placed =
                &open_.back()->members.emplace_back(std::move(key_), std::move(container)).second;
        } else {
            placed = &open_.back()->items.emplace_back(std::move(container));
        }
        open_.push_back(placed);
        keys_.emplace_back();
        return true;
    }
    bool close() {
        open_.pop_back();
        keys_.pop_back();
        complete_ = open_.empty();
        return true;
    }

    const std::size_t* read_;
    Value root_;
    // The containers being filled, outermost first. A container is only added to while it
    // is the innermost open one, so the pointers into its parent's vector stay valid.
    std::vector<Value*> open_;
    std::vector<std::set<std::string>> keys_;
    std::string key_;
    bool complete_ = false; // the whole value has been read: anything after it is too much
    ParseError error_;
};

} // namespace

std::optional<Value> parse(std::string_view text, ParseError* error) {
    const std::size_t badByte = firstBadUtf8(text);
    if (badByte != text.size()) {
        if (error)
            *error = {badByte, VT_NOOP("Veltrum", "текст не в кодировке UTF-8")};
        return std::nullopt;
    }
    std::size_t read = 0;
    Builder builder(&read);
    const char* start = text.data();
    nlohmann::json::sax_parse(CountingIterator(start, start, &read),
                              CountingIterator(start + text.size(), start, &read), &builder);
    return builder.result(error);
}

std::string quote(std::string_view text) {
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

bool isUtf8(std::string_view text) {
    return firstBadUtf8(text) == text.size();
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u)
            ++count;
    return count;
}

} // namespace front::json
