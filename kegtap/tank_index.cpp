// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/tank_index.h"

#include "kegtap/content_decoder.h"
#include "kegtap/posix_io.h"
#include "kegtap/tank_layout.h"

#include <cerrno>
#include <new>
#include <sys/stat.h>

namespace tankreader {
namespace {

// The index does not fit in the file: fails like the short read it would be.
bool indexBeyondEnd(int fd, const uint8_t *header, ErrorState &error) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const uint64_t end = static_cast<uint64_t>(readU32(header + header_field::IndexOffset)) +
                         readU32(header + header_field::IndexSize);
    if (end <= static_cast<uint64_t>(st.st_size))
        return false;
    error.setEndOfFile("Failure to read index.");
    return true;
}

} // namespace

bool readHeader(int fd, uint8_t *header, ErrorState &error) {
    const int64_t n = readUpTo(fd, header, KEGTAP_HEADER_SIZE);
    if (n < 0) {
        error.setSystem("File read error.");
        return false;
    }
    if (n < KEGTAP_HEADER_SIZE) {
        error.set(KEGTAP_ERR_DAMAGED, "Tank file is damaged.");
        return false;
    }
    return true;
}

bool readIndex(int fd, const uint8_t *header, uint8_t *index, ErrorState &error) {
    const uint32_t indexSize = readU32(header + header_field::IndexSize);
    if (!seekTo(fd, readU32(header + header_field::IndexOffset), error))
        return false;
    const int64_t n = readUpTo(fd, index, indexSize);
    if (n < 0) {
        error.setSystem("File read error.");
        return false;
    }
    if (n < indexSize) {
        error.setEndOfFile("Failure to read index.");
        return false;
    }
    return true;
}

bool loadTankIndex(int fd, TankIndex &tank, ErrorState &error) {
    if (!readHeader(fd, tank.header, error) || indexBeyondEnd(fd, tank.header, error))
        return false;
    tank.indexSize = readU32(tank.header + header_field::IndexSize);
    tank.index.reset(new (std::nothrow) uint8_t[tank.indexSize]);
    if (!tank.index) {
        errno = ENOMEM;
        error.setSystem("Not enought memory.");
        return false;
    }
    if (!readIndex(fd, tank.header, tank.index.get(), error))
        return false;
    if (updateCrc32(0, tank.index.get(), tank.indexSize) !=
        readU32(tank.header + header_field::IndexCrc32)) {
        error.set(KEGTAP_ERR_CRC, "Index of tank file has wrong CRC32.");
        return false;
    }
    if (tank.indexSize < index_field::Size) {
        error.set(KEGTAP_ERR_DAMAGED, "Tank file is damaged.");
        return false;
    }
    if (readU32(tank.at(index_field::DirCount)) == 0) {
        error.set(KEGTAP_ERR_NO_DIRECTORY,
                  "Tank file error. Total directory should be at least 1.");
        return false;
    }
    return true;
}

} // namespace tankreader
