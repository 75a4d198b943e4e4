// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// Files made by other people with the game's own tools, kept outside the repository. A clone
// without the folder cannot use them, so the tests that need them are skipped there; a folder that
// exists but lacks a file a test needs is a fault, so a run that has the files never skips them
// silently.
struct RealData {
    enum class Outcome { Found, NoFolder, Missing };
    Outcome outcome;
    std::filesystem::path path; // the file or folder asked for
    std::string message;        // why it cannot be used; empty when found
};

// The real-data folder: THALREX_REALDATA_DIR, else the one the build was configured with.
std::filesystem::path realDataFolder();

// The file or folder at relative inside folder.
RealData lookUpRealData(const std::filesystem::path &folder, const std::string &relative);
// The same inside RealDataFolder().
RealData lookUpRealData(const std::string &relative);
