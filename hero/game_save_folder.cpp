#include "hero/game_save_folder.h"

#include <cstdlib>

namespace {

std::string &Folder() {
    static std::string folder = [] {
        const char *home = std::getenv("HOME");
        return std::string(home ? home : "") + "/Documents/Dungeon Siege/Save/";
    }();
    return folder;
}

} // namespace

const std::string &GameSaveFolder() {
    return Folder();
}

void SetGameSaveFolder(const std::string &folder) {
    Folder() = folder;
}
