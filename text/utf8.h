// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8, the text of this system: its characters one at a time, and UTF-16 both ways.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace utf8 {

void append(std::string &text, char32_t c);

// The character at text[at], moving at past it. Nothing, and at one byte on, when no well-formed
// character starts there: a stray or cut-off byte, an overlong form, a surrogate or a value past
// U+10FFFF.
std::optional<char32_t> next(std::string_view text, size_t &at);

bool isValid(std::string_view bytes);

// Up to the first NUL; a lone surrogate becomes U+FFFD.
std::string fromUtf16(const uint16_t *units, size_t count);

// Bytes that are not UTF-8 are taken as Latin-1.
std::vector<uint16_t> toUtf16(std::string_view text);

} // namespace utf8
