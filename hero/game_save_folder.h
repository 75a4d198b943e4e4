#pragma once

#include <string>

// The folder where the game keeps its saved parties, with a trailing "/": the documents folder
// followed by "Dungeon Siege/Save/". Start-up sets it once; until then it is that folder of the
// documents folder.
const std::string &GameSaveFolder();
void SetGameSaveFolder(const std::string &folder);
