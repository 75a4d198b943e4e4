// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The folder where the game keeps its saved parties, with a trailing "/". Start-up sets it and
// Help > Save Folder... may change it; until then it is the documents folder followed by
// "Dungeon Siege/Save/".
const std::string &GameSaveFolder();
void SetGameSaveFolder(const std::string &folder);

// The path as the game sees it under Wine, with backslash separators: inside a prefix's
// drive_c, "C:" and the rest of the path; any other absolute path on Wine's "Z:" drive.
std::string GamePathOf(const std::string &path);
