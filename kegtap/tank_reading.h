// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the header and the index of a Tank file.
#pragma once

#include <cstdint>

namespace kegtap {

// Reads the 784-byte header from the current position: "File read error.", or "Tank file is
// damaged." when the file ends before the header does.
bool readHeader(int fd, uint8_t *header);

// Reads IndexSize bytes at IndexOffset into index: "Cannot set file pointer.", "File read
// error.", or "Failure to read index." when the file ends first.
bool readIndex(int fd, const uint8_t *header, uint8_t *index);

} // namespace kegtap
