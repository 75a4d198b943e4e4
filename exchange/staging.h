// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Network paths are packed from a local copy: the temporary folder + "Thalrex/Export/", found
// once per run. The folder is refused when it is a symbolic link or another user's.

// The staging folder with a trailing "/"; empty when it cannot be used safely.
QString StagingFolder();
// Copies a file as the system's copy does: the copy keeps the file's last-write time. False when
// the copy exists already or cannot be made.
bool copyFile(const QString &source, const QString &copy);
// Makes copy a fresh copy of the folder tree source, each file keeping its last-write time (an
// old copy is deleted first, read-only marks cleared). False at the first failure.
bool copyFolder(const QString &source, const QString &copy);
// Program end: deletes the temporary folder's "Thalrex" when a staging folder was used.
void RemoveStagingFolder();
