// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class Desktop;
class ExportStaging;
class KegtapLibrary;
class PartyBackups;

enum class TankOutcome {
    Cancelled, // the user declined to overwrite
    Succeeded,
    Failed,  // the tool could not be run or wrote nothing new
    Refused, // what the tool wrote was not put in place; the user has been told why
};

// What a run of the Tank Creator works with besides its command line.
struct TankRun {
    Desktop &desktop;
    ExportStaging &staging; // where a network path is packed from
    KegtapLibrary &kegtap;  // reads the tool's output back
    PartyBackups &backups;  // keeps the party file the output replaces
};

// Runs the Tank Creator on the source folder and waits for it; a network path is packed from a
// copy in the staging folder. The tool writes into a folder of its own; success is an output
// written since the start that reads back as the source folder's files. Only then does it take
// the place of out, whose old content goes to the backups; an existing out is replaced only
// after the user agrees.
TankOutcome runTankCreator(const TankRun &run, const QString &tool, const QString &source,
                           const QString &out);

// The tool's arguments: -source FOLDER (without trailing "/") -out FILE.
QStringList tankCreatorArguments(const QString &source, const QString &out);
// Whether a file written at the given time counts as written since start: its time in whole
// even seconds, plus 2 seconds, is later than start.
bool isFresh(const QDateTime &written, const QDateTime &start);
