// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Windows-1252, the game's code page: the 8-bit text of its Gas files and of the file names
// Windows programs write. The editor itself works in UTF-8.

// The bytes as UTF-8. The five bytes the code page leaves undefined become the control characters
// of the same numbers, so that every byte comes back unchanged through utf8ToWindows1252.
std::string windows1252ToUtf8(std::string_view bytes);
// UTF-8 text in the code page. A character it lacks, and a byte that is not UTF-8, becomes "?".
std::string utf8ToWindows1252(std::string_view text);
// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isUtf8(std::string_view bytes);
