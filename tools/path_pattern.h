// SPDX-License-Identifier: GPL-3.0-or-later
// Shell patterns over the game's paths: "*", "?" and "[...]" against the whole "/"-separated
// path ("*" crosses "/"), without regard to case, as the game treats its paths.
#pragma once

#include <fnmatch.h>
#include <string>

inline bool matchesPattern(const std::string &pattern, const std::string &path) {
    return ::fnmatch(pattern.c_str(), path.c_str(), FNM_CASEFOLD) == 0;
}
