// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a file's content into the bytes stored in the data area and its chunk table.
#pragma once

#include "kegtap/writer/tank_writer.h"

namespace tankwriter {

struct EncodedContent {
    std::vector<uint8_t> stored;
    std::vector<ChunkRecord> chunks; // chunked storage only
    uint32_t compressedSize = 0;     // all stored bytes of a compressed file
    uint32_t crc32 = 0;
};

// Chunks that do not shrink are stored as they stand; chunk offsets count from the first
// stored byte.
EncodedContent encodeContent(const std::vector<uint8_t> &content, const Storage &storage);

} // namespace tankwriter
