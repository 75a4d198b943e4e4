// SPDX-License-Identifier: GPL-3.0-or-later
// The encodings of a Tank's texts: names are single bytes in Windows-1252 (the code page the game
// runs with in the Latin languages), header texts UTF-16LE; this system speaks UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tankreader {

// Every byte has a character: the five bytes Windows-1252 leaves undefined stand for the control
// characters of the same number, as Windows reads them.
std::string utf8FromWindows1252(std::string_view bytes);

// Nothing when a character has no Windows-1252 byte. Bytes that are not UTF-8 are taken as the
// Windows-1252 bytes they already are.
std::optional<std::string> windows1252FromUtf8(std::string_view text);

// Up to the first NUL; a lone surrogate becomes U+FFFD.
std::string utf8FromUtf16(const uint16_t *units, size_t count);

// Bytes that are not UTF-8 are taken as Latin-1.
std::vector<uint16_t> utf16FromUtf8(std::string_view text);

// Windows-1252 bytes compared without regard to case: A-Z and the accented capitals fold to
// their small letters.
uint8_t foldWindows1252(uint8_t byte);

} // namespace tankreader
