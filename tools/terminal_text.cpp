// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/terminal_text.h"

#include <cstdint>
#include <cstdio>

namespace {

void appendOctal(std::string &out, uint8_t byte) {
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\%03o", byte);
    out += escape;
}

// Length of the UTF-8 sequence at text[i], 0 when it is not one.
size_t sequenceLength(std::string_view text, size_t i) {
    const auto b = static_cast<uint8_t>(text[i]);
    const size_t length = (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k)
        if ((static_cast<uint8_t>(text[i + k]) >> 6) != 2)
            return 0;
    return length;
}

} // namespace

std::string shownText(std::string_view text) {
    static const char named[] = "abtnvfr"; // \a (7) to \r (13)
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<uint8_t>(text[i]);
        if (b == '\\') {
            out += "\\\\";
            ++i;
        } else if (b >= 7 && b <= 13) {
            out += '\\';
            out += named[b - 7];
            ++i;
        } else if (b < 0x20 || b == 0x7F) {
            appendOctal(out, b);
            ++i;
        } else if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
        } else {
            const size_t length = sequenceLength(text, i);
            // U+0080 to U+009F, the C1 controls, are 0xC2 0x80 to 0xC2 0x9F.
            const bool control =
                length == 2 && b == 0xC2 && static_cast<uint8_t>(text[i + 1]) < 0xA0;
            if (length == 0 || control) {
                for (size_t k = 0; k < (length == 0 ? 1 : length); ++k)
                    appendOctal(out, static_cast<uint8_t>(text[i + k]));
                i += length == 0 ? 1 : length;
            } else {
                out.append(text.substr(i, length));
                i += length;
            }
        }
    }
    return out;
}
