// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/save_folder_search.h"
#include "session/program_folders.h"

#include <string>
#include <vector>

// The home folder: $HOME, or the account's home folder from the password database when HOME is
// not set.
std::string homeFolder(const EnvLookup &env);
// Sets HOME from the password database when it is not set, so that every folder the program
// derives from it is the account's own.
void ensureHomeVariable();

// Whether the settings file and the imports folder stay beside the program in programFolder:
// in the build tree it was built in (the build's CMakeCache.txt above it), or in a copy the user
// made portable (a file "portable", or an existing Thalrex.INI, beside the program); never in
// an installed program folder, whoever runs it.
bool keepsFilesBesideProgram(const QString &programFolder);

// The folders for a program that lives in programFolder. The settings file and the imports
// folder stay beside the program when besideProgram, otherwise they go to the user's XDG
// configuration and data folders; the backups always go to the data folder.
ProgramFolders computeProgramFolders(const QString &programFolder, bool besideProgram);

// Every save folder of the game on this computer (see findGameSaveFolders), for the user's
// home and the documents folder.
std::vector<GameSaveFolder> findSaveFolders(const QString &documents);
