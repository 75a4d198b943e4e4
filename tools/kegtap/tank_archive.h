// SPDX-License-Identifier: GPL-3.0-or-later
// An open Tank file read through the library's own index walk: the header, and every folder and
// file below the root in the order of the walk, each checked before it is listed.
#pragma once

#include "kegtap/output_folder.h"
#include "kegtap/tank_index.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kegtapcli {

// Exit codes of the command line.
enum ExitCode { Success = 0, Damaged = 1, Usage = 2, InputOutput = 3 };

struct Failure : std::runtime_error {
    Failure(ExitCode code, const std::string &message) : std::runtime_error(message), code(code) {}
    ExitCode code;
};

// The library's last error as a failure: its own codes mean a damaged file, system codes I/O.
Failure libraryFailure(const std::string &context);

struct Entry {
    bool isFile;
    unsigned depth;   // folders below the root that hold the entry (a folder counts itself)
    std::string name; // a folder's name may be empty: it stands for its parent
    std::string path; // relative, "/"-separated
    uint64_t offset;  // in the index
};

struct FileFacts {
    uint32_t size;
    uint64_t stored; // bytes the content takes in the data area
    uint32_t crc32;
    uint64_t fileTime;
    std::string form; // "raw", "zlib", "lzo", with "/CHUNK" when stored in chunks
};

class TankArchive {
public:
    explicit TankArchive(const std::string &path);
    ~TankArchive();
    TankArchive(const TankArchive &) = delete;
    TankArchive &operator=(const TankArchive &) = delete;

    const uint8_t *header() const { return tank_.header; }
    const std::vector<Entry> &entries() const { return entries_; }
    FileFacts facts(const Entry &file) const;
    uint64_t folderTime(const Entry &folder) const;
    // The CRC-32 of all file contents, concatenated in the order of the walk, from the files'
    // own CRC-32 values: what the header's data checksum holds.
    uint32_t contentCrc() const;

    // Extracts the file into folder, as an import does: name checks, CRC-32, file time.
    void extract(const Entry &file, const kegtap::OutputFolder &folder) const;

private:
    int fd_;
    kegtap::TankIndex tank_;
    std::vector<Entry> entries_;
};

} // namespace kegtapcli
