// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kegtap/kegtap.h"

#include <QString>

// The run-time binding of the extraction library: loaded at the first import, by full path or by
// its SONAME through the dynamic loader, and kept until this object is destroyed.
class TDSImport {
public:
    explicit TDSImport(const QString &libraryPath);
    ~TDSImport();
    TDSImport(const TDSImport &) = delete;
    TDSImport &operator=(const TDSImport &) = delete;

    const QString &LibraryPath() const { return libraryPath; }
    // Whether the library file existed when this object was made; true for a bare SONAME.
    bool LibraryFound() const { return libraryFound; }

    // Loads the library and binds ExtractFilesFromTankFile on first use; throws
    // std::runtime_error when either fails.
    bool Bind();
    // Unpacks the Tank file into the folder, which is created when missing.
    bool Extract(const QString &tankPath, const QString &destFolder);
    // The library's message for its last failure; empty when it does not export one.
    QString ErrorMessage() const;

private:
    using ExtractFn = decltype(&::ExtractFilesFromTankFile);
    using ErrorStringFn = decltype(&::GetKvErrorString);

    QString libraryPath;
    bool libraryFound;
    void *LibraryHandle = nullptr;
    ExtractFn ExtractProc = nullptr;
    ErrorStringFn ErrorStringProc = nullptr;
};
