// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the settings file Thalrex.INI keeps between runs.
struct TStoredSettings {
    int FormTop = 0;
    int FormLeft = 0;
    bool Advanced = false;      // Advanced1.Checked
    QString HeroFolder;         // Hero.Folder
    QString PicInitialDir;      // dlgPic.InitialDir
    QString OpenTankInitialDir; // dlgOpenTank.InitialDir
    QString SaveFolder;         // the game's save folder chosen by hand; empty when never chosen
    QStringList RecentHeros;    // section Main.Hero.RecentHeros
    QStringList Data;           // section Main.moc.Data, the settings list
};

// Reads the settings file over the given values: every key present replaces its value, a
// missing key (or file) leaves it as it is, and a list is replaced only when its Count is above 0.
void ReadSettingsFile(const QString &path, TStoredSettings &settings);

// Writes the values into the settings file, keeping whatever else the file holds. Each list
// section is erased and written again (an empty list leaves it erased). The file is replaced
// whole or not at all. False when it cannot be written.
bool WriteSettingsFile(const QString &path, const TStoredSettings &settings);
