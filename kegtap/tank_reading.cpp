// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/tank_reading.h"

#include "kegtap/error_state.h"
#include "kegtap/kegtap.h"
#include "kegtap/posix_io.h"
#include "kegtap/tank_layout.h"

#include <cerrno>

namespace kegtap {
namespace {

// Reads up to length bytes; the count read, or -1 on a failure.
int64_t readUpTo(int fd, uint8_t *buffer, uint64_t length) {
    uint64_t done = 0;
    while (done < length) {
        const ssize_t n = readSome(fd, buffer + done, length - done);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<uint64_t>(n);
    }
    return static_cast<int64_t>(done);
}

} // namespace

bool readHeader(int fd, uint8_t *header) {
    const int64_t n = readUpTo(fd, header, KEGTAP_HEADER_SIZE);
    if (n < 0) {
        setSystemError("File read error.");
        return false;
    }
    if (n < KEGTAP_HEADER_SIZE) {
        setError(KEGTAP_ERR_DAMAGED, "Tank file is damaged.");
        return false;
    }
    return true;
}

bool readIndex(int fd, const uint8_t *header, uint8_t *index) {
    const uint32_t indexSize = readU32(header + header_field::IndexSize);
    if (!seekTo(fd, readU32(header + header_field::IndexOffset)))
        return false;
    const int64_t n = readUpTo(fd, index, indexSize);
    if (n < 0) {
        setSystemError("File read error.");
        return false;
    }
    if (n < indexSize) {
        errno = 0;
        setSystemError("Failure to read index.");
        return false;
    }
    return true;
}

} // namespace kegtap
