// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The path as the game sees it under Wine, with backslash separators: inside a prefix's
// drive_c, "C:" and the rest of the path; any other absolute path on Wine's "Z:" drive. The
// path is UTF-8, as the file system names it; the answer is in the game's code page, like every
// other text of its files.
std::string gamePathOf(const std::string &path);
