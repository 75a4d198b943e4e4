// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/utf8.h"

namespace utf8 {

void append(std::string &text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<char32_t> next(std::string_view text, size_t &at) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    const size_t length = lead < 0x80           ? 1
                          : (lead >> 5) == 0x06 ? 2
                          : (lead >> 4) == 0x0E ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    // By length: the bits of the lead byte that belong to the character, its smallest value.
    constexpr uint8_t leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    char32_t c = lead & leadBits[length];
    bool valid = length != 0 && at + length <= text.size();
    for (size_t i = 1; valid && i < length; ++i) {
        valid = (byte(at + i) >> 6) == 2;
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    if (!valid || c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
        ++at;
        return std::nullopt;
    }
    at += length;
    return c;
}

bool isValid(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();)
        if (!next(bytes, at))
            return false;
    return true;
}

std::string fromUtf16(const uint16_t *units, size_t count) {
    std::string text;
    for (size_t i = 0; i < count && units[i] != 0; ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        append(text, c);
    }
    return text;
}

std::vector<uint16_t> toUtf16(std::string_view text) {
    std::vector<uint16_t> units;
    for (size_t at = 0; at < text.size();) {
        const auto stray = static_cast<uint8_t>(text[at]);
        char32_t c = next(text, at).value_or(stray);
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

} // namespace utf8
