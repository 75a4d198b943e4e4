// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Finds the game's save folder where Linux players keep it: the documents folder or the
// "Dungeon Siege/Save" folder of a Wine, Proton, Lutris or Bottles prefix. Plain C++, so tests
// can run it over fake home folders.

// An environment variable's value, or empty when it is not set.
using EnvLookup = std::function<std::string(const char *name)>;

// The "path" values of a Steam libraryfolders.vdf text. Tolerant: whatever cannot be read is
// skipped, a damaged text yields what was read before the damage.
std::vector<std::string> steamLibraryPaths(const std::string &vdfText);

// The Wine prefixes to look in: $WINEPREFIX, ~/.wine, every Proton prefix of every Steam
// library, the Lutris and Bottles prefixes. Only existing folders, each once.
std::vector<std::filesystem::path> winePrefixes(const std::filesystem::path &home,
                                                const EnvLookup &env);

// The save folders the game uses inside the prefix, "drive_c/users/*/(My )Documents/Dungeon
// Siege/Save/"; none when there is none.
std::vector<std::filesystem::path> prefixSaveFolders(const std::filesystem::path &prefix);

// The save folder, chosen in this order: the configured folder when it exists; the documents
// save folder when it exists; the prefix save folder with the most recently written party
// (a folder with parties beats an empty one); otherwise the documents save folder.
// Every folder given and returned ends in "/".
std::string chooseSaveFolder(const std::string &configured, const std::string &documentsSave,
                             const std::filesystem::path &home, const EnvLookup &env);
