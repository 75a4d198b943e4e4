// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/game_save_folder.h"

#include "hero/documents_folder.h"

#include <algorithm>

namespace {

std::string &Folder() {
    static std::string folder = DocumentsFolder() + "Dungeon Siege/Save/";
    return folder;
}

} // namespace

const std::string &GameSaveFolder() {
    return Folder();
}

void SetGameSaveFolder(const std::string &folder) {
    Folder() = folder;
}

std::string GamePathOf(const std::string &path) {
    static const std::string driveC = "/drive_c/";
    const size_t at = path.find(driveC);
    std::string game =
        at == std::string::npos ? "Z:" + path : "C:\\" + path.substr(at + driveC.size());
    std::replace(game.begin(), game.end(), '/', '\\');
    return game;
}
