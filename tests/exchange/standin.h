// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Executable shell scripts that stand in for outside programs. Each records its arguments, one
// per line, in <script>.args.

enum class ToolMode {
    Writes,          // lists the -source folder and packs it into the -out file with tankcreator
    Fails,           // exits with 3 and writes nothing
    WritesNothing,   // exits with 0 and writes nothing
    WritesGarbage,   // writes "TANK" to the -out file
    WritesOtherFiles // packs a copy of the -source folder whose Party.gas has one byte more
};

// A stand-in Tank Creator at path.
QString writeTankCreator(const QString &path, ToolMode mode);
// A script at path that only records its arguments.
QString writeRecorder(const QString &path);
// The arguments the script at path was last run with.
QStringList recordedArguments(const QString &script);
// The -source listing a Writes stand-in made.
QStringList packedFiles(const QString &script);
