// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class Desktop;
class ExportStaging;

enum class TankOutcome { Cancelled, Succeeded, Failed };

// Runs the Tank Creator on the source folder and waits for it; a network path is packed from a
// copy in the staging folder. An existing output is only replaced after the user agrees; success
// is an output file written since the start.
TankOutcome runTankCreator(Desktop &desktop, ExportStaging &staging, const QString &tool,
                           const QString &source, const QString &out);

// The tool's arguments: -source FOLDER (without trailing "/") -out FILE.
QStringList tankCreatorArguments(const QString &source, const QString &out);
// Whether a file written at the given time counts as written since start: its time in whole
// even seconds, plus 2 seconds, is later than start.
bool isFresh(const QDateTime &written, const QDateTime &start);
