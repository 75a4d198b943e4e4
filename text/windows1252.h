// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252, the code page the game runs with in the Latin languages: the 8-bit text of its
// Gas files, of the names in its Tank files and of the file names Windows programs write. This
// system works in UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace windows1252 {

// Every byte has a character: the five bytes the code page leaves undefined stand for the control
// characters of the same numbers, as Windows reads them, so that every byte comes back unchanged.
std::string toUtf8(std::string_view bytes);

// Nothing when a character has no byte. Bytes that are not UTF-8 are taken as the Windows-1252
// bytes they already are.
std::optional<std::string> fromUtf8(std::string_view text);

// A character without a byte, and a byte that is not UTF-8, becomes "?".
std::string fromUtf8Lossy(std::string_view text);

// The byte compared without regard to case: A-Z and the accented capitals fold to their small
// letters.
uint8_t foldCase(uint8_t byte);

} // namespace windows1252
