// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/game_save_folder.h"

std::vector<GameSaveFolder> documentsSaveFolders(const std::string &documents, SavePlace place,
                                                 const std::string &prefixName) {
    return {{documents + "Dungeon Siege/Save/", Game::DungeonSiege, place, prefixName},
            {documents + "Dungeon Siege LOA/Save/", Game::LegendsOfAranna, place, prefixName}};
}

std::string describe(const GameSaveFolder &folder) {
    if (folder.place == SavePlace::Chosen)
        return "The save folder chosen by hand";
    static const char *const places[] = {
        "the documents folder", "Wine", "Proton", "Lutris", "Heroic", "Bottles"};
    std::string text = folder.game == Game::DungeonSiege ? "Dungeon Siege" : "Legends of Aranna";
    text += " in ";
    text += places[static_cast<int>(folder.place)];
    if (!folder.prefixName.empty())
        text += " (" + folder.prefixName + ")";
    return text;
}
