// SPDX-License-Identifier: GPL-3.0-or-later
// A Tank file's header and checked index, and the bounds-checked walk over its directory tree
// that extraction and the command-line tools share.
#pragma once

#include "kegtap/kegtap.h"

#include <cstdint>
#include <memory>

namespace kegtap {

struct TankIndex {
    uint8_t header[KEGTAP_HEADER_SIZE];
    std::unique_ptr<uint8_t[]> index;
    uint32_t indexSize = 0;
};

// Reads the header and the index of an open Tank file. The index must fit in the file before it
// is allocated, match its CRC-32 and hold at least one directory; failures go to the error state.
bool loadTankIndex(int fd, TankIndex &tank);

// Receives the entries of the tree, each checked before it is handed over.
class TreeVisitor {
public:
    virtual ~TreeVisitor() = default;
    // A sub-folder whose entry and child table lie inside the index and whose name is safe; an
    // empty name stands for the enclosing folder. The walk goes on into it when this answers true.
    virtual bool enterFolder(uint64_t offset, const char *name) = 0;
    // After the last child of the folder entered last.
    virtual void leaveFolder() {}
    // A file whose entry, name and tables lie inside the index (its name is not yet checked).
    virtual bool visitFile(uint64_t offset) = 0;
};

// Walks from the root, depth first, children in index order; stops at the first failure.
bool walkTree(const TankIndex &tank, TreeVisitor &visitor);

} // namespace kegtap
