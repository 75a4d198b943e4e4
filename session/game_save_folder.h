// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A save folder of the game as the editor knows it: which of the games keeps its parties there,
// and where the folder was found. Plain C++, shared by the start-up's search and the session.

enum class Game { DungeonSiege, LegendsOfAranna };
enum class SavePlace { Documents, Wine, Proton, Lutris, Heroic, Bottles, Chosen };

struct GameSaveFolder {
    std::string folder; // ends in "/"
    Game game = Game::DungeonSiege;
    SavePlace place = SavePlace::Documents;
    std::string prefixName; // the Wine prefix's own name (a Proton prefix's game number); or empty
};

// The two save folders a documents folder (ending in "/") may hold, whether they exist or not:
// "Dungeon Siege/Save/" of the first game and "Dungeon Siege LOA/Save/" of the expansion.
std::vector<GameSaveFolder> documentsSaveFolders(const std::string &documents,
                                                 SavePlace place = SavePlace::Documents,
                                                 const std::string &prefixName = {});

// The game and the place, as the Import menu heads the folder's parties:
// "Dungeon Siege in Proton (39190)", "Legends of Aranna in the documents folder".
std::string describe(const GameSaveFolder &folder);
