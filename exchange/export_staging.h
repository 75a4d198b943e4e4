// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Network paths are packed from a local copy: the temporary folder + "Thalrex/Export/", found
// once per run. The folder is refused when it is a symbolic link or another user's, and the
// temporary folder's "Thalrex" is deleted again when the staging that used it ends.
class ExportStaging {
public:
    ExportStaging() = default;
    ~ExportStaging();
    ExportStaging(const ExportStaging &) = delete;
    ExportStaging &operator=(const ExportStaging &) = delete;

    // The staging folder with a trailing "/"; empty when it cannot be used safely.
    QString folder();

private:
    QString thalrexFolder() const;

    QString m_base; // the temporary folder, found at the first use
};

// Copies a file as the system's copy does: the copy keeps the file's last-write time. False when
// the copy exists already or cannot be made.
bool copyFile(const QString &source, const QString &copy);
// Makes copy a fresh copy of the folder tree source, each file keeping its last-write time (an
// old copy is deleted first, read-only marks cleared). False at the first failure.
bool copyFolder(const QString &source, const QString &copy);
