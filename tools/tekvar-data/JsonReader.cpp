#include "JsonReader.h"

#include "DataError.h"

#include <set>

namespace {

constexpr int maxDepth = 64;

void appendUtf8(std::string& out, unsigned code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

} // namespace

JsonValue JsonReader::Parse(std::string_view text, const std::string& origin)
{
    JsonReader reader(text, origin);
    // A byte-order mark is no part of the value.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        reader.pos_ = reader.lineStart_ = 3;
    reader.skipSpace();
    JsonValue result = reader.value(0);
    reader.skipSpace();
    if (!reader.atEnd())
        reader.fail("text after the end of the value");
    return result;
}

void JsonReader::fail(const std::string& what) const
{
    throw DataError(origin_ + ":" + std::to_string(line_) + ":" + std::to_string(pos_ - lineStart_ + 1) + ": " +
                    what);
}

void JsonReader::skipSpace()
{
    while (!atEnd()) {
        const char ch = text_[pos_];
        if (ch == '\n') {
            ++line_;
            lineStart_ = pos_ + 1;
        } else if (ch != ' ' && ch != '\t' && ch != '\r') {
            return;
        }
        ++pos_;
    }
}

JsonValue JsonReader::value(int depth)
{
    if (depth > maxDepth)
        fail("values nested too deeply");
    const int line = line_;
    JsonValue result;
    switch (peek()) {
    case '{': result = object(depth + 1); break;
    case '[': result = array(depth + 1); break;
    case '"': result = JsonValue::String(string()); break;
    case 't': literal("true"); result = JsonValue::Boolean(true); break;
    case 'f': literal("false"); result = JsonValue::Boolean(false); break;
    case 'n': literal("null"); break;
    default:
        if (peek() == '-' || isDigit(peek()))
            result = number();
        else if (atEnd())
            fail("the text ends where a value should be");
        else
            fail(std::string("unexpected character '") + peek() + "'");
    }
    result.line = line;
    return result;
}

JsonValue JsonReader::object(int depth)
{
    JsonValue result = JsonValue::Object();
    std::set<std::string> keys;
    ++pos_;
    skipSpace();
    if (peek() == '}') {
        ++pos_;
        return result;
    }
    for (;;) {
        skipSpace();
        if (peek() != '"')
            fail("a key in double quotes expected");
        const std::size_t keyStart = pos_;
        std::string key = string();
        if (!keys.insert(key).second) {
            pos_ = keyStart;
            fail("the key \"" + key + "\" is given twice");
        }
        skipSpace();
        if (peek() != ':')
            fail("':' expected after a key");
        ++pos_;
        skipSpace();
        result.Add(std::move(key), value(depth));
        skipSpace();
        if (peek() == ',') {
            ++pos_;
            continue;
        }
        if (peek() == '}') {
            ++pos_;
            return result;
        }
        fail(atEnd() ? "the text ends before the object is closed" : "',' or '}' expected");
    }
}

JsonValue JsonReader::array(int depth)
{
    JsonValue result = JsonValue::Array();
    ++pos_;
    skipSpace();
    if (peek() == ']') {
        ++pos_;
        return result;
    }
    for (;;) {
        skipSpace();
        result.Append(value(depth));
        skipSpace();
        if (peek() == ',') {
            ++pos_;
            continue;
        }
        if (peek() == ']') {
            ++pos_;
            return result;
        }
        fail(atEnd() ? "the text ends before the list is closed" : "',' or ']' expected");
    }
}

unsigned JsonReader::hex4()
{
    unsigned code = 0;
    for (int i = 0; i < 4; ++i) {
        const char ch = peek();
        code <<= 4;
        if (isDigit(ch))
            code |= unsigned(ch - '0');
        else if (ch >= 'a' && ch <= 'f')
            code |= unsigned(ch - 'a' + 10);
        else if (ch >= 'A' && ch <= 'F')
            code |= unsigned(ch - 'A' + 10);
        else
            fail("four hexadecimal digits expected after \\u");
        ++pos_;
    }
    return code;
}

std::string JsonReader::string()
{
    std::string out;
    ++pos_;
    for (;;) {
        if (atEnd())
            fail("a text is not closed");
        const char ch = text_[pos_];
        if (ch == '"') {
            ++pos_;
            return out;
        }
        if (static_cast<unsigned char>(ch) < 0x20)
            fail("a control character inside a text (write it as an escape)");
        if (ch != '\\') {
            out += ch;
            ++pos_;
            continue;
        }
        ++pos_;
        const char escape = peek();
        ++pos_;
        switch (escape) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
            unsigned code = hex4();
            if (code >= 0xD800 && code < 0xDC00) {
                if (peek() != '\\' || pos_ + 1 >= text_.size() || text_[pos_ + 1] != 'u')
                    fail("a lone surrogate in a \\u escape");
                pos_ += 2;
                const unsigned low = hex4();
                if (low < 0xDC00 || low >= 0xE000)
                    fail("a lone surrogate in a \\u escape");
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            } else if (code >= 0xDC00 && code < 0xE000) {
                fail("a lone surrogate in a \\u escape");
            }
            appendUtf8(out, code);
            break;
        }
        default:
            --pos_;
            fail("an unknown escape in a text");
        }
    }
}

JsonValue JsonReader::number()
{
    const std::size_t start = pos_;
    if (peek() == '-')
        ++pos_;
    if (peek() == '0') {
        ++pos_;
    } else if (isDigit(peek())) {
        while (isDigit(peek()))
            ++pos_;
    } else {
        fail("a digit expected");
    }
    if (peek() == '.') {
        ++pos_;
        if (!isDigit(peek()))
            fail("a digit expected after the decimal point");
        while (isDigit(peek()))
            ++pos_;
    }
    if (peek() == 'e' || peek() == 'E') {
        ++pos_;
        if (peek() == '+' || peek() == '-')
            ++pos_;
        if (!isDigit(peek()))
            fail("a digit expected in the exponent");
        while (isDigit(peek()))
            ++pos_;
    }
    return JsonValue::NumberText(std::string(text_.substr(start, pos_ - start)));
}

void JsonReader::literal(std::string_view word)
{
    if (text_.substr(pos_, word.size()) != word)
        fail("unexpected word");
    pos_ += word.size();
}
