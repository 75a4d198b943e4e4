// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

// Texts from the game's files (hero names in Gas files, entry names in Tank files) are 8-bit
// Latin-1: every byte is one character. The editor shows them and passes them on through these
// two, so that every byte comes back unchanged.
QString fromGameText(std::string_view bytes);
// Characters beyond Latin-1, which no dialog lets the user type, become "?".
std::string toGameText(const QString &text);
