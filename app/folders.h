// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/program_folders.h"

// The folders for a program that lives in programFolder. The settings file and the imports
// folder stay beside the program when its folder is writable, otherwise they go to the user's
// configuration and data folders.
ProgramFolders computeProgramFolders(const QString &programFolder, bool programFolderWritable);

// Whether files can be created in the folder (tried, not guessed from permission bits).
bool isWritableFolder(const QString &folder);

// The game's save folder at start-up: the folder chosen by hand (the settings key SaveFolder)
// when it exists, else documentsSave when it exists, else the save folder of a Wine or Proton
// prefix of the user, else documentsSave.
QString findSaveFolder(const QString &chosen, const QString &documentsSave);
