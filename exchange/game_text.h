// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

// Texts from the game's files (hero names in Gas files, entry names in Tank files) are 8-bit
// text in the game's code page, Windows-1252. The editor shows them and passes them on through
// these two, so that every byte comes back unchanged.
QString fromGameText(std::string_view bytes);
// Characters the code page lacks, which no dialog lets the user type, become "?".
std::string toGameText(const QString &text);

// A file name as the file system holds it: UTF-8 when it is, else the game's code page, in which
// Windows programs write names.
QString shownFileName(std::string_view name);
