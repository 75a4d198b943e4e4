// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folders the editor works with, computed once at start-up. Every folder ends in "/".
struct ProgramFolders {
    QString documents;    // the user's documents folder
    QString pictures;     // the user's pictures folder
    QString save;         // documents + "Dungeon Siege/Save/": the game's saved parties by default
    QString program;      // the folder of the running executable
    QString imports;      // every import is unpacked below it; new heroes are saved there
    QString backups;      // the party files export and restore replace are kept below it
    QString settingsFile; // Thalrex.INI
};
