// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "front/Json.h"

#include "i18n/Translate.h"

#include <cstdint>

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

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<Value> document(ParseError* error) {
        Value value;
        bool ok = skipBlanks() && readValue(value, 0);
        if (ok) {
            skipBlanks();
            if (at_ != text_.size())
                ok = fail(VT_NOOP("Veltrum", "после значения есть лишний текст"));
        }
        if (!ok) {
            if (error)
                *error = error_;
            return std::nullopt;
        }
        return value;
    }

private:
    bool fail(const char* what) {
        if (error_.what.empty())
            error_ = {at_, what};
        return false;
    }
    bool atEnd() const { return at_ >= text_.size(); }
    char peek() const { return text_[at_]; }

    bool skipBlanks() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++at_;
        return true;
    }

    bool literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word)
            return fail(VT_NOOP("Veltrum", "неизвестное слово"));
        at_ += word.size();
        return true;
    }

    bool readValue(Value& value, int depth) {
        if (depth > kMaxDepth)
            return fail(VT_NOOP("Veltrum", "слишком глубокая вложенность"));
        if (atEnd())
            return fail(VT_NOOP("Veltrum", "текст оборвался"));
        switch (peek()) {
        case '{':
            return readObject(value, depth);
        case '[':
            return readArray(value, depth);
        case '"':
            value.type = Value::Type::String;
            return readString(value.text);
        case 't':
            value.type = Value::Type::Boolean;
            value.boolean = true;
            return literal("true");
        case 'f':
            value.type = Value::Type::Boolean;
            value.boolean = false;
            return literal("false");
        case 'n':
            value.type = Value::Type::Null;
            return literal("null");
        default:
            value.type = Value::Type::Number;
            return readNumber(value.text);
        }
    }

    bool readObject(Value& value, int depth) {
        value.type = Value::Type::Object;
        ++at_; // {
        skipBlanks();
        if (!atEnd() && peek() == '}') {
            ++at_;
            return true;
        }
        while (true) {
            skipBlanks();
            if (atEnd() || peek() != '"')
                return fail(VT_NOOP("Veltrum", "ожидалось имя ключа в кавычках"));
            std::string key;
            if (!readString(key))
                return false;
            if (value.find(key))
                return fail(VT_NOOP("Veltrum", "ключ повторяется"));
            skipBlanks();
            if (atEnd() || peek() != ':')
                return fail(VT_NOOP("Veltrum", "после ключа ожидалось «:»"));
            ++at_;
            skipBlanks();
            Value member;
            if (!readValue(member, depth + 1))
                return false;
            value.members.emplace_back(std::move(key), std::move(member));
            const Next next = afterItem('}', VT_NOOP("Veltrum", "ожидалось «,» или «}»"));
            if (next != Next::Item)
                return next == Next::End;
        }
    }

    bool readArray(Value& value, int depth) {
        value.type = Value::Type::Array;
        ++at_; // [
        skipBlanks();
        if (!atEnd() && peek() == ']') {
            ++at_;
            return true;
        }
        while (true) {
            skipBlanks();
            Value item;
            if (!readValue(item, depth + 1))
                return false;
            value.items.push_back(std::move(item));
            const Next next = afterItem(']', VT_NOOP("Veltrum", "ожидалось «,» или «]»"));
            if (next != Next::Item)
                return next == Next::End;
        }
    }

    // After an item of an object or an array: a comma (another item follows), the closing
    // mark (the container ends), or a fault with the message given.
    enum class Next { Item, End, Failed };
    Next afterItem(char closing, const char* expected) {
        skipBlanks();
        if (atEnd()) {
            fail(VT_NOOP("Veltrum", "текст оборвался"));
            return Next::Failed;
        }
        if (peek() == ',' || peek() == closing) {
            ++at_;
            return text_[at_ - 1] == ',' ? Next::Item : Next::End;
        }
        fail(expected);
        return Next::Failed;
    }

    bool hexDigits(std::uint32_t& code) {
        if (at_ + 4 > text_.size())
            return fail(VT_NOOP("Veltrum", "текст оборвался"));
        code = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = text_[at_++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return fail(VT_NOOP("Veltrum", "неверная последовательность \\u"));
        }
        return true;
    }

    bool readString(std::string& out) {
        ++at_; // "
        while (true) {
            if (atEnd())
                return fail(VT_NOOP("Veltrum", "строка не закрыта кавычкой"));
            const char c = peek();
            if (c == '"') {
                ++at_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return fail(VT_NOOP("Veltrum", "управляющий символ внутри строки"));
            if (c != '\\') {
                const std::size_t length = utf8Length(text_, at_);
                if (length == 0)
                    return fail(VT_NOOP("Veltrum", "текст не в кодировке UTF-8"));
                out.append(text_.substr(at_, length));
                at_ += length;
                continue;
            }
            ++at_;
            if (atEnd())
                return fail(VT_NOOP("Veltrum", "строка не закрыта кавычкой"));
            const char escape = text_[at_++];
            switch (escape) {
            case '"':
            case '\\':
            case '/':
                out += escape;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                std::uint32_t code = 0;
                if (!hexDigits(code))
                    return false;
                if (code >= 0xD800 && code <= 0xDBFF) { // a surrogate pair
                    std::uint32_t low = 0;
                    if (text_.substr(at_, 2) != "\\u")
                        return fail(VT_NOOP("Veltrum", "непарный суррогат в \\u"));
                    at_ += 2;
                    if (!hexDigits(low))
                        return false;
                    if (low < 0xDC00 || low > 0xDFFF)
                        return fail(VT_NOOP("Veltrum", "непарный суррогат в \\u"));
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xDC00 && code <= 0xDFFF) {
                    return fail(VT_NOOP("Veltrum", "непарный суррогат в \\u"));
                }
                if (code == 0)
                    return fail(VT_NOOP("Veltrum", "нулевой символ внутри строки"));
                appendUtf8(out, code);
                break;
            }
            default:
                return fail(VT_NOOP("Veltrum", "неверная escape-последовательность"));
            }
        }
    }

    bool readNumber(std::string& out) {
        const std::size_t start = at_;
        const auto digits = [this] {
            std::size_t count = 0;
            while (!atEnd() && peek() >= '0' && peek() <= '9') {
                ++at_;
                ++count;
            }
            return count;
        };
        if (!atEnd() && peek() == '-')
            ++at_;
        if (atEnd())
            return fail(VT_NOOP("Veltrum", "текст оборвался"));
        if (peek() == '0')
            ++at_;
        else if (digits() == 0)
            return fail(VT_NOOP("Veltrum", "неверное значение"));
        if (!atEnd() && peek() == '.') {
            ++at_;
            if (digits() == 0)
                return fail(VT_NOOP("Veltrum", "неверное число"));
        }
        if (!atEnd() && (peek() == 'e' || peek() == 'E')) {
            ++at_;
            if (!atEnd() && (peek() == '+' || peek() == '-'))
                ++at_;
            if (digits() == 0)
                return fail(VT_NOOP("Veltrum", "неверное число"));
        }
        out.assign(text_.substr(start, at_ - start));
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    ParseError error_;
};

} // namespace

std::optional<Value> parse(std::string_view text, ParseError* error) {
    return Reader(text).document(error);
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
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8Length(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u)
            ++count;
    return count;
}

} // namespace front::json
