// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the settings file Thalrex.INI keeps between runs.
struct StoredSettings {
    int windowTop = 442; // the main window's place on the screen; the first run's by default
    int windowLeft = 492;
    bool advanced = false;
    QString heroFolder;
    QString portraitFolder;   // the portrait picker's folder
    QString partyFolder;      // the party file picker's folder
    QString saveFolder;       // the game's save folder chosen by hand; empty when none is
    QStringList recentHeroes; // folder="name - Level N PP" lines
    QStringList settingsList; // the settings list's key=value lines
    QStringList partyFolders; // hero folder=save folder lines
};

// Reads the settings file over the given values: every key present replaces its value, a
// missing key (or file) leaves it as it is, and a list is replaced only when its Count is above 0.
void readSettingsFile(const QString &path, StoredSettings &settings);

// Writes the values into the settings file, keeping whatever else the file holds. Each list
// section is erased and written again (an empty list leaves it erased). The file is replaced
// whole or not at all. False when it cannot be written.
bool writeSettingsFile(const QString &path, const StoredSettings &settings);
