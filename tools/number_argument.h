// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers on the command line: decimal digits, or "0x" and hex digits; nothing else ("010" is
// ten, not octal eight).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

inline std::optional<uint64_t> parseNumber(const std::string &text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const size_t start = hex ? 2 : 0;
    if (text.size() == start)
        return std::nullopt;
    uint64_t value = 0;
    for (size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
        const unsigned base = hex ? 16 : 10;
        if (value > (UINT64_MAX - digit) / base)
            return std::nullopt;
        value = value * base + digit;
    }
    return value;
}
