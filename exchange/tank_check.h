// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class KegtapLibrary;

// Reads the Tank file back through the extraction library, into memory and without asking
// anything, and compares it file by file with the folder it was packed from: the same files,
// names compared without regard to case as the game compares them, with the same bytes. Empty
// when they match; otherwise what differs, e.g. "Party.gas differs".
QString tankMismatch(KegtapLibrary &kegtap, const QString &tankFile, const QString &folder);
