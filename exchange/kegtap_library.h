// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kegtap/kegtap.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Desktop;

// A file of a Tank, read into memory.
struct TankFile {
    QString path; // relative, "/"-separated
    QByteArray content;
};

// The run-time binding of the extraction library: loaded at the first import, by full path or by
// its SONAME through the dynamic loader, and kept until this object is destroyed. The library's
// Yes/No warnings are asked on the desktop.
class KegtapLibrary {
public:
    KegtapLibrary(const QString &libraryPath, Desktop &desktop);
    ~KegtapLibrary();
    KegtapLibrary(const KegtapLibrary &) = delete;
    KegtapLibrary &operator=(const KegtapLibrary &) = delete;

    const QString &libraryPath() const { return m_libraryPath; }
    // Whether the library file existed when this object was made; true for a bare SONAME.
    bool libraryFound() const { return m_libraryFound; }

    // Loads the library and binds ExtractFilesFromTankFile on first use; throws
    // std::runtime_error when either fails.
    void bind();
    // Unpacks the Tank file (its path as the file system names it) into the folder, which is
    // created when missing.
    bool extract(const QByteArray &tankFile, const QString &destFolder);
    // Every file of the Tank, read into memory through the library's handle interface, which
    // asks nothing. Throws std::runtime_error with the library's message when the Tank cannot be
    // read, and when the library cannot be bound or lacks the interface.
    QList<TankFile> readFiles(const QString &tankFile);
    // The library's message for its last failure; empty when it does not export one.
    QString errorMessage() const;

private:
    // The library's export of that name; throws std::runtime_error when it lacks it.
    template <typename Function> Function function(const char *name) const;

    using ExtractFunction = decltype(&::ExtractFilesFromTankFile);
    using ErrorStringFunction = decltype(&::GetKvErrorString);

    QString m_libraryPath;
    bool m_libraryFound;
    Desktop &m_desktop;
    void *m_handle = nullptr;
    ExtractFunction m_extract = nullptr;
    ErrorStringFunction m_errorString = nullptr;
};
