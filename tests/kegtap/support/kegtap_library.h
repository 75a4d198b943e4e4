// SPDX-License-Identifier: GPL-3.0-or-later
// The real libkegtap.so from the program folder, loaded with dlopen as the editor loads it.
#pragma once

#include "kegtap/kegtap.h"

#include <string>

struct KegtapLibrary {
    decltype(&::ExtractFilesFromTankFile) ExtractFilesFromTankFile;
    decltype(&::GetHeaderFromTankFile) GetHeaderFromTankFile;
    decltype(&::GetIndexFromTankFile) GetIndexFromTankFile;
    decltype(&::GetChildOffsetOfDirEntry) GetChildOffsetOfDirEntry;
    decltype(&::IsFile) IsFile;
    decltype(&::GetDirEntryName) GetDirEntryName;
    decltype(&::GetFileEntryName) GetFileEntryName;
    decltype(&::ExtractFile) ExtractFile;
    decltype(&::GetKvErrorCode) GetKvErrorCode;
    decltype(&::GetKvErrorString) GetKvErrorString;
    decltype(&::SetKvPromptHandler) SetKvPromptHandler;

    // The last error message.
    std::string errorMessage() const;
};

// Loaded once per test program; the test aborts when the library or an export is missing.
const KegtapLibrary &kegtapLibrary();
