// SPDX-License-Identifier: GPL-3.0-or-later
// Reads, writes and seeks on file descriptors that report failures in the error state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

namespace kegtap {

// read() that retries when interrupted; -1 on failure.
ssize_t readSome(int fd, void *buffer, size_t length);
// Reads exactly length bytes: "File read error." on a failure, "Cannot read all desire bytes
// from file." when the file ends first.
bool readExactly(int fd, void *buffer, size_t length);
// Writes every byte: "File write error." or "Cannot write all desire bytes from file.".
bool writeAll(int fd, const void *buffer, size_t length);
// Moves to an absolute position: "Cannot set file pointer.".
bool seekTo(int fd, uint64_t position);

} // namespace kegtap
