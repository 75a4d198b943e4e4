// SPDX-License-Identifier: GPL-3.0-or-later
// The older exports that read the header, the index and single fields of its entries.
#include "kegtap/kegtap.h"
#include "kegtap/tank_index.h"
#include "kegtap/tank_layout.h"

#include <algorithm>

using namespace tankreader;

namespace {

bool copyName(const uint8_t *nameField, uint16_t length, char *buffer, uint16_t bufferLength) {
    if (length > MaxNameLength || length >= bufferLength)
        return false;
    std::copy_n(nameField, length, buffer);
    buffer[length] = '\0';
    return true;
}

} // namespace

extern "C" bool GetHeaderFromTankFile(int fd, void *header784) {
    ErrorState error;
    const bool read = readHeader(fd, static_cast<uint8_t *>(header784), error);
    error.publish();
    return read;
}

extern "C" bool GetIndexFromTankFile(int fd, const void *header, void *index,
                                     uint32_t indexLength) {
    const auto *h = static_cast<const uint8_t *>(header);
    ErrorState error;
    bool read = false;
    if (indexLength < readU32(h + header_field::IndexSize))
        error.setMessage("Supply buffer is too small.");
    else
        read = readIndex(fd, h, static_cast<uint8_t *>(index), error);
    error.publish();
    return read;
}

extern "C" uint32_t GetChildOffsetOfDirEntry(const void *dirEntry, uint32_t child,
                                             const void *indexStart) {
    const auto *entry = static_cast<const uint8_t *>(dirEntry);
    const auto *index = static_cast<const uint8_t *>(indexStart);
    const uint64_t table = childTableOffset(static_cast<uint64_t>(entry - index),
                                            readU16(entry + dir_field::NameLength));
    return readU32(index + table + 4ull * child);
}

extern "C" bool IsFile(const void *header, uint32_t entryOffset) {
    const auto *h = static_cast<const uint8_t *>(header);
    return static_cast<uint64_t>(readU32(h + header_field::IndexOffset)) + entryOffset >
           readU32(h + header_field::FileSetOffset);
}

extern "C" bool GetDirEntryName(const void *dirEntry, char *buffer, uint16_t bufferLength) {
    const auto *entry = static_cast<const uint8_t *>(dirEntry);
    return copyName(entry + dir_field::Name, readU16(entry + dir_field::NameLength), buffer,
                    bufferLength);
}

extern "C" bool GetFileEntryName(const void *fileEntry, char *buffer, uint16_t bufferLength) {
    const auto *entry = static_cast<const uint8_t *>(fileEntry);
    const uint16_t length = readU16(entry + file_field::NameLength);
    return length != 0 && copyName(entry + file_field::Name, length, buffer, bufferLength);
}
