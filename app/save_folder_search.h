// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/game_save_folder.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Finds the game's save folders where Linux players keep them: the documents folder and the
// Wine prefixes of plain Wine, Steam's Proton, Lutris, Heroic and Bottles. Plain C++, so tests
// can run it over fake home folders.

// An environment variable's value, or empty when it is not set.
using EnvLookup = std::function<std::string(const char *name)>;

// A Wine prefix and what made it.
struct WinePrefix {
    std::filesystem::path folder;
    SavePlace place;
};

// The library folders a Steam libraryfolders.vdf text names: the "path" values, and the numbered
// values of the older form ("1" "/path"). Tolerant: whatever cannot be read is skipped, a
// damaged text yields what was read before the damage.
std::vector<std::string> steamLibraryPaths(const std::string &vdfText);

// The Wine prefixes to look in: $WINEPREFIX, ~/.wine, every Proton prefix of every Steam library,
// the Lutris, Heroic and Bottles (native and Flatpak) prefixes. Only existing folders, each path
// once.
std::vector<WinePrefix> winePrefixes(const std::filesystem::path &home, const EnvLookup &env);

// Every existing save folder of both games: the documents folder's (ending in "/"), then in each
// prefix those of every user's "Documents" and "My Documents". Each folder once, whatever links
// lead to it.
std::vector<GameSaveFolder> findGameSaveFolders(const std::filesystem::path &home,
                                                const std::filesystem::path &documents,
                                                const EnvLookup &env);
