// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/posix_io.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <unistd.h>

namespace tankreader {
namespace {

// Larger transfers are split so that each call stays within what read()/write() accept.
constexpr size_t MaxTransfer = size_t{1} << 30;

bool addressable(uint64_t position, ErrorState &error) {
    if (position <= static_cast<uint64_t>(std::numeric_limits<off_t>::max()))
        return true;
    errno = EOVERFLOW;
    error.setSystem("Cannot set file pointer.");
    return false;
}

} // namespace

int64_t readUpTo(int fd, void *buffer, uint64_t length) {
    auto *p = static_cast<uint8_t *>(buffer);
    uint64_t done = 0;
    while (done < length) {
        const ssize_t n = ::read(fd, p + done, std::min<uint64_t>(length - done, MaxTransfer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<uint64_t>(n);
    }
    return static_cast<int64_t>(done);
}

ssize_t readSomeAt(int fd, void *buffer, size_t length, uint64_t position, ErrorState &error) {
    if (!addressable(position, error))
        return -1;
    ssize_t n;
    do {
        n = ::pread(fd, buffer, std::min(length, MaxTransfer), static_cast<off_t>(position));
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        error.setSystem(errno == ESPIPE || errno == EINVAL ? "Cannot set file pointer."
                                                           : "File read error.");
    return n;
}

bool readExactlyAt(int fd, void *buffer, size_t length, uint64_t position, ErrorState &error) {
    auto *p = static_cast<uint8_t *>(buffer);
    while (length > 0) {
        const ssize_t n = readSomeAt(fd, p, length, position, error);
        if (n < 0)
            return false;
        if (n == 0) {
            error.setEndOfFile("Cannot read all desire bytes from file.");
            return false;
        }
        p += n;
        position += static_cast<uint64_t>(n);
        length -= static_cast<size_t>(n);
    }
    return true;
}

bool writeAll(int fd, const void *buffer, size_t length, ErrorState &error) {
    const auto *p = static_cast<const uint8_t *>(buffer);
    while (length > 0) {
        const ssize_t n = ::write(fd, p, std::min(length, MaxTransfer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error.setSystem("File write error.");
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            error.setSystem("Cannot write all desire bytes from file.");
            return false;
        }
        p += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

bool seekTo(int fd, uint64_t position, ErrorState &error) {
    if (!addressable(position, error))
        return false;
    if (::lseek(fd, static_cast<off_t>(position), SEEK_SET) < 0) {
        error.setSystem("Cannot set file pointer.");
        return false;
    }
    return true;
}

} // namespace tankreader
