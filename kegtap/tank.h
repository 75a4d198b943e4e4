// SPDX-License-Identifier: GPL-3.0-or-later
// An open Tank file with its checked index and tree: what a handle holds, and what the older
// whole-file export works on for the length of one call.
#pragma once

#include "kegtap/content_reader.h"
#include "kegtap/file_extraction.h"
#include "kegtap/tank_tree.h"

#include <string>

namespace tankreader {

class Tank {
public:
    Tank() = default;
    ~Tank();
    Tank(const Tank &) = delete;
    Tank &operator=(const Tank &) = delete;

    // Opens the file and checks its index and tree: "Cannot open Tank file." when it cannot be
    // opened as a file, then the failures of loadTankIndex and readTree.
    bool open(const char *path, ErrorState &error);
    // "Cannot close file." when closing fails.
    bool close(ErrorState &error);

    const TankIndex &index() const { return index_; }
    const TankTree &tree() const { return tree_; }
    FileEntryFields file(size_t i) const;
    std::string filePath(size_t i) const;

    bool read(size_t i, const ProgressReport &progress, ContentSink &sink, ErrorState &error);
    // File i below dest, with the folders above it.
    Outcome extractFile(size_t i, const char *dest, const ProgressReport &progress,
                        const ExtractionPolicy &policy, ErrorState &error);
    // Folder i below dest, with the folders above it.
    bool extractFolder(size_t i, const char *dest, ErrorState &error) const;
    // The whole tree into dest in the order of the walk, up to the first failure. Kept when a
    // file was kept with a doubt that the policy let pass.
    Outcome extractAll(const char *dest, const ProgressReport &progress,
                       const ExtractionPolicy &policy, ErrorState &error);

private:
    class FolderChain;

    int fd_ = -1;
    TankIndex index_;
    TankTree tree_;
    TankSource source_{};
    Decoder decoder_;
};

} // namespace tankreader
