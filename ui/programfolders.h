// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program-wide folders, computed once at start-up before the main window exists. Every
// folder ends in "/".
struct ProgramFolders {
    QString Documents;    // the user's documents folder
    QString Pictures;     // the user's pictures folder
    QString Save;         // Documents + "Dungeon Siege/Save/": the game's saved parties
    QString Program;      // the folder of the running executable
    QString Imports;      // every import is unpacked below it; new heroes are saved there
    QString SettingsFile; // Thalrex.INI, beside the program when its folder is writable
};
