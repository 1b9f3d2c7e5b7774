#include "Codepage.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F; the five bytes the code page leaves
// unassigned keep the control character of the same number.
constexpr std::array<char32_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t toCodePoint(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? high[byte - 0x80] : char32_t(byte);
}

int toByte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == cp)
            return int(0x80 + i);
    return '?';
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence; malformed input yields U+FFFD and one byte.
char32_t nextCodePoint(std::string_view text, std::size_t& i)
{
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra == 0) {
        ++i;
        return lead;
    }
    if (extra < 0 || i + std::size_t(extra) >= text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        unsigned char next = byte(i + std::size_t(k));
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    i += std::size_t(extra) + 1;
    return cp;
}

} // namespace

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        appendUtf8(out, toCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out += char(toByte(nextCodePoint(utf8, i)));
    return out;
}

std::string Utf16LeToUtf8ViaCp1252(std::string_view bytes)
{
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = char32_t(static_cast<unsigned char>(bytes[i])) |
                        (char32_t(static_cast<unsigned char>(bytes[i + 1])) << 8);
        // Surrogates never fit the code page; each unit becomes one '?'.
        int byte = unit >= 0xD800 && unit <= 0xDFFF ? '?' : toByte(unit);
        appendUtf8(out, toCodePoint(static_cast<unsigned char>(byte)));
    }
    return out;
}
