// SPDX-License-Identifier: GPL-3.0-or-later
// Temporary folders and file helpers for tests that write Tank files and extract them.
#pragma once

#include "kegtap/writer/tank_writer.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    const fs::path &path() const { return m_path; }
    fs::path operator/(const std::string &name) const { return m_path / name; }

private:
    fs::path m_path;
};

void writeBytes(const fs::path &path, const std::vector<uint8_t> &bytes);
std::vector<uint8_t> readBytes(const fs::path &path);
std::vector<uint8_t> textBytes(const std::string &text);

// Gas-like text that compresses well, and random bytes that do not compress.
std::vector<uint8_t> compressibleBytes(size_t length, unsigned seed = 1);
std::vector<uint8_t> randomBytes(size_t length, unsigned seed = 1);

// A file's last-write time as a Windows file time.
uint64_t lastWriteFileTime(const fs::path &path);

// Every file and folder below root, as relative path -> content ("<dir>" for folders).
std::vector<std::pair<std::string, std::string>> listTree(const fs::path &root);
