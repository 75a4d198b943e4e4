// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/posix_io.h"

#include "kegtap/error_state.h"

#include <cerrno>
#include <cstdint>
#include <limits>
#include <unistd.h>

namespace kegtap {
namespace {

// Larger transfers are split so that each call stays within what read()/write() accept.
constexpr size_t MaxTransfer = size_t{1} << 30;

} // namespace

ssize_t readSome(int fd, void *buffer, size_t length) {
    ssize_t n;
    do {
        n = ::read(fd, buffer, length < MaxTransfer ? length : MaxTransfer);
    } while (n < 0 && errno == EINTR);
    return n;
}

bool readExactly(int fd, void *buffer, size_t length) {
    auto *p = static_cast<uint8_t *>(buffer);
    while (length > 0) {
        const ssize_t n = readSome(fd, p, length);
        if (n < 0) {
            setSystemError("File read error.");
            return false;
        }
        if (n == 0) {
            errno = 0;
            setSystemError("Cannot read all desire bytes from file.");
            return false;
        }
        p += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

bool writeAll(int fd, const void *buffer, size_t length) {
    const auto *p = static_cast<const uint8_t *>(buffer);
    while (length > 0) {
        const ssize_t n = ::write(fd, p, length < MaxTransfer ? length : MaxTransfer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            setSystemError("File write error.");
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            setSystemError("Cannot write all desire bytes from file.");
            return false;
        }
        p += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

bool seekTo(int fd, uint64_t position) {
    if (position > static_cast<uint64_t>(std::numeric_limits<off_t>::max()) ||
        ::lseek(fd, static_cast<off_t>(position), SEEK_SET) < 0) {
        if (errno == 0)
            errno = EOVERFLOW;
        setSystemError("Cannot set file pointer.");
        return false;
    }
    return true;
}

} // namespace kegtap
