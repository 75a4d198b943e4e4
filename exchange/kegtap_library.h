// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kegtap/kegtap.h"

#include <QString>

class Desktop;

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
    // Unpacks the Tank file into the folder, which is created when missing.
    bool extract(const QString &tankPath, const QString &destFolder);
    // The library's message for its last failure; empty when it does not export one.
    QString errorMessage() const;

private:
    using ExtractFunction = decltype(&::ExtractFilesFromTankFile);
    using ErrorStringFunction = decltype(&::GetKvErrorString);

    QString m_libraryPath;
    bool m_libraryFound;
    Desktop &m_desktop;
    void *m_handle = nullptr;
    ExtractFunction m_extract = nullptr;
    ErrorStringFunction m_errorString = nullptr;
};
