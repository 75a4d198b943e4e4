#include "hero/game_save_folder.h"

#include "hero/documents_folder.h"

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
