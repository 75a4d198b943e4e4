// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/windows1252.h"

#include "text/utf8.h"

namespace windows1252 {
namespace {

// The characters of the bytes 0x80 to 0x9F; the rest are the Latin-1 characters of their number.
constexpr char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<uint8_t> byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<uint8_t>(c);
    for (uint8_t i = 0; i < 32; ++i)
        if (high[i] == c)
            return static_cast<uint8_t>(0x80 + i);
    return std::nullopt;
}

} // namespace

std::string toUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<uint8_t>(byte);
        utf8::append(text, b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char32_t(b));
    }
    return text;
}

std::optional<std::string> fromUtf8(std::string_view text) {
    std::string bytes;
    for (size_t at = 0; at < text.size();) {
        const auto stray = static_cast<uint8_t>(text[at]);
        const std::optional<char32_t> c = utf8::next(text, at);
        const std::optional<uint8_t> b = c ? byteOf(*c) : stray;
        if (!b)
            return std::nullopt;
        bytes += static_cast<char>(*b);
    }
    return bytes;
}

std::string fromUtf8Lossy(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const std::optional<char32_t> c = utf8::next(text, at);
        bytes += static_cast<char>(c ? byteOf(*c).value_or('?') : '?');
    }
    return bytes;
}

uint8_t foldCase(uint8_t byte) {
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

} // namespace windows1252
