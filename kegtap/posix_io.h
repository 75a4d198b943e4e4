// SPDX-License-Identifier: GPL-3.0-or-later
// Reads, writes and seeks on file descriptors that report failures in an error state.
#pragma once

#include "kegtap/error_state.h"

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

namespace tankreader {

// Reads up to length bytes from the current position, retrying when interrupted; the count
// read (short only at the end of the file), or -1 on a failure.
int64_t readUpTo(int fd, void *buffer, uint64_t length);
// pread() that retries when interrupted; -1 on failure ("Cannot set file pointer." when the
// position is beyond what the system can address, else "File read error.").
ssize_t readSomeAt(int fd, void *buffer, size_t length, uint64_t position, ErrorState &error);
// Reads exactly length bytes at position: as readSomeAt, or "Cannot read all desire bytes from
// file." when the file ends first.
bool readExactlyAt(int fd, void *buffer, size_t length, uint64_t position, ErrorState &error);
// Writes every byte: "File write error." or "Cannot write all desire bytes from file.".
bool writeAll(int fd, const void *buffer, size_t length, ErrorState &error);
// Moves to an absolute position: "Cannot set file pointer.".
bool seekTo(int fd, uint64_t position, ErrorState &error);

} // namespace tankreader
