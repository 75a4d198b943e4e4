// SPDX-License-Identifier: GPL-3.0-or-later
// A Tank file's header and checked index.
#pragma once

#include "kegtap/error_state.h"
#include "kegtap/kegtap.h"

#include <cstdint>
#include <memory>

namespace tankreader {

struct TankIndex {
    uint8_t header[KEGTAP_HEADER_SIZE] = {};
    std::unique_ptr<uint8_t[]> index;
    uint32_t indexSize = 0;

    const uint8_t *at(uint64_t offset) const { return index.get() + offset; }
};

// Reads the 784-byte header from the current position: "File read error.", or "Tank file is
// damaged." when the file ends before the header does.
bool readHeader(int fd, uint8_t *header, ErrorState &error);

// Reads IndexSize bytes at IndexOffset into index: "Cannot set file pointer.", "File read
// error.", or "Failure to read index." when the file ends first.
bool readIndex(int fd, const uint8_t *header, uint8_t *index, ErrorState &error);

// Reads the header and the index of a Tank file opened at its start. The index must fit in the
// file before it is allocated, match its CRC-32 and hold at least one directory.
bool loadTankIndex(int fd, TankIndex &tank, ErrorState &error);

} // namespace tankreader
