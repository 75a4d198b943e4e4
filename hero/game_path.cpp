// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/game_path.h"

#include "text/windows1252.h"

#include <algorithm>

std::string gamePathOf(const std::string &path) {
    static const std::string driveC = "/drive_c/";
    const size_t at = path.find(driveC);
    std::string game =
        at == std::string::npos ? "Z:" + path : "C:\\" + path.substr(at + driveC.size());
    std::replace(game.begin(), game.end(), '/', '\\');
    return windows1252::fromUtf8Lossy(game);
}
