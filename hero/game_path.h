// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The path as the game sees it under Wine, with backslash separators: inside a prefix's
// drive_c, "C:" and the rest of the path; any other absolute path on Wine's "Z:" drive.
std::string gamePathOf(const std::string &path);
