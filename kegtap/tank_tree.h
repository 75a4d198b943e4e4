// SPDX-License-Identifier: GPL-3.0-or-later
// The directory tree of a Tank, walked once from the root and checked as a whole: every entry,
// name and table lies inside the index, the tree neither loops nor grows too deep, every name is
// one safe path component, no file entry is named twice and no two files share stored bytes.
#pragma once

#include "kegtap/tank_index.h"
#include "kegtap/tank_layout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tankreader {

constexpr size_t NoFolder = SIZE_MAX; // the root

// A folder below the root in the order of the walk. A folder entry without a name stands for
// the folder that holds it and is not listed; what it holds belongs to that folder.
struct TreeFolder {
    size_t parent;    // NoFolder for a folder in the root
    std::string name; // UTF-8
    uint64_t fileTime;
    size_t filesBefore; // files that come before it in the walk
    uint64_t pathKey;   // of its path folded without regard to case (see pathKey())
};

struct TreeFile {
    size_t folder;   // NoFolder for a file in the root
    uint32_t offset; // of its entry in the index
    uint64_t pathKey;
};

struct TankTree {
    std::vector<TreeFolder> folders;
    std::vector<TreeFile> files;

    // "folder/sub/name": the path of a folder (NoFolder: empty), with name appended when given.
    std::string path(size_t folder, const std::string &name = {}) const;
};

// Walks the tree from the root, depth first, children in index order.
bool readTree(const TankIndex &tank, TankTree &tree, ErrorState &error);

// A file entry's own checks, which the walk makes for every file: the name's length and safety,
// and a chunk table that meets the reader's buffer rules.
bool checkFileEntry(const FileEntryFields &file, ErrorState &error);

// The key of a path folded without regard to case: Windows-1252 bytes, components joined by '/',
// hashed; key(parent, name) continues the key of the parent's path.
uint64_t pathKey(uint64_t parentKey, bool inRoot, const char *name, size_t length);
constexpr uint64_t RootPathKey = 14695981039346656037ull;

} // namespace tankreader
