// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/text_encoding.h"

namespace tankreader {
namespace {

// The characters of the bytes 0x80 to 0x9F; the rest are the Latin-1 characters of their number.
constexpr char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t fromWindows1252(uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : byte;
}

std::optional<uint8_t> toWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<uint8_t>(c);
    for (uint8_t i = 0; i < 32; ++i)
        if (high[i] == c)
            return static_cast<uint8_t>(0x80 + i);
    return std::nullopt;
}

void appendUtf8(std::string &out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the UTF-8 sequence at text[i], advancing i; nothing (and one byte) when it is not one:
// a stray byte, a cut-off or overlong sequence, a surrogate or a value beyond U+10FFFF.
std::optional<char32_t> nextCharacter(std::string_view text, size_t &i) {
    const auto b = static_cast<uint8_t>(text[i]);
    const size_t length = b < 0x80         ? 1
                          : (b >> 5) == 6  ? 2
                          : (b >> 4) == 14 ? 3
                          : (b >> 3) == 30 ? 4
                                           : 0;
    char32_t c = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
    bool valid = length != 0 && i + length <= text.size();
    for (size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<uint8_t>(text[i + k]);
        valid = (next >> 6) == 2;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!valid || c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
        ++i;
        return std::nullopt;
    }
    i += length;
    return c;
}

} // namespace

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        appendUtf8(out, fromWindows1252(static_cast<uint8_t>(b)));
    return out;
}

std::optional<std::string> windows1252FromUtf8(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const size_t at = i;
        const std::optional<char32_t> c = nextCharacter(text, i);
        const std::optional<uint8_t> b = c ? toWindows1252(*c) : static_cast<uint8_t>(text[at]);
        if (!b)
            return std::nullopt;
        out += static_cast<char>(*b);
    }
    return out;
}

std::string utf8FromUtf16(const uint16_t *units, size_t count) {
    std::string out;
    for (size_t i = 0; i < count && units[i] != 0; ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::vector<uint16_t> utf16FromUtf8(std::string_view text) {
    std::vector<uint16_t> units;
    for (size_t i = 0; i < text.size();) {
        const size_t at = i;
        char32_t c = nextCharacter(text, i).value_or(static_cast<uint8_t>(text[at]));
        if (c >= 0x10000) {
            c -= 0x10000;
            units.push_back(static_cast<uint16_t>(0xD800 + (c >> 10)));
            units.push_back(static_cast<uint16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            units.push_back(static_cast<uint16_t>(c));
        }
    }
    return units;
}

uint8_t foldWindows1252(uint8_t byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<uint8_t>(byte + 0x20);
    switch (byte) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return static_cast<uint8_t>(byte + 0x10);
    case 0x9F: // Ÿ
        return 0xFF;
    default:
        return byte;
    }
}

} // namespace tankreader
