// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Text helpers shared by the Gas reader, writer and lookups (8-bit text, ASCII letter case).

// The text without leading and trailing characters with codes 0 to 32.
std::string trimControl(std::string_view text);

// Equal without regard to ASCII letter case.
bool sameText(std::string_view a, std::string_view b);
