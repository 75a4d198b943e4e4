// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/code_page.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace {

// The characters of bytes 0x80 to 0x9F; the undefined ones keep their own numbers.
constexpr std::array<char32_t, 32> upperControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string &out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the character at text[at], moving at past it; false for a byte that starts no
// well-formed character (at then moves one byte).
bool nextCharacter(std::string_view text, size_t &at, char32_t &c) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    int length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        c = lead;
        ++at;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        ++at;
        return false;
    }
    if (at + length > text.size()) {
        ++at;
        return false;
    }
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return false;
        }
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++at;
        return false;
    }
    at += length;
    return true;
}

} // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<uint8_t>(byte);
        appendUtf8(text, b >= 0x80 && b < 0xA0 ? upperControls[b - 0x80] : char32_t(b));
    }
    return text;
}

std::string utf8ToWindows1252(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        char32_t c = 0;
        if (!nextCharacter(text, at, c)) {
            bytes += '?';
        } else if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            bytes += static_cast<char>(c);
        } else {
            const auto found = std::find(upperControls.begin(), upperControls.end(), c);
            bytes += found == upperControls.end()
                         ? '?'
                         : static_cast<char>(0x80 + std::distance(upperControls.begin(), found));
        }
    }
    return bytes;
}

bool isUtf8(std::string_view bytes) {
    char32_t c = 0;
    for (size_t at = 0; at < bytes.size();)
        if (!nextCharacter(bytes, at, c))
            return false;
    return true;
}
