// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/tank_layout.h"

namespace tankreader {

int64_t unixSeconds(uint64_t fileTime) {
    constexpr uint64_t UnixEpoch = 116444736000000000ull;
    constexpr uint64_t StepsPerSecond = 10000000ull;
    if (fileTime >= UnixEpoch)
        return static_cast<int64_t>((fileTime - UnixEpoch) / StepsPerSecond);
    const uint64_t before = UnixEpoch - fileTime;
    return -static_cast<int64_t>((before + StepsPerSecond - 1) / StepsPerSecond);
}

FileEntryFields readFileEntry(const uint8_t *entry, const uint8_t *indexStart) {
    FileEntryFields f{};
    f.size = readU32(entry + file_field::Size);
    f.offset = readU32(entry + file_field::Offset);
    f.crc32 = readU32(entry + file_field::Crc32);
    f.fileTime = readU64(entry + file_field::FileTime);
    f.format = readU16(entry + file_field::Format);
    f.nameLength = readU16(entry + file_field::NameLength);
    f.name = reinterpret_cast<const char *>(entry + file_field::Name);
    if (f.format == FormatRaw || f.nameLength == 0 || f.nameLength > MaxNameLength)
        return f;
    const uint64_t entryOffset = static_cast<uint64_t>(entry - indexStart);
    const uint8_t *compressed = indexStart + compressedHeaderOffset(entryOffset, f.nameLength);
    f.compressedSize = readU32(compressed + compressed_field::CompressedSize);
    f.chunkSize = readU32(compressed + compressed_field::ChunkSize);
    if (f.chunkSize != 0) {
        f.chunkCount = (static_cast<uint64_t>(f.size) + f.chunkSize - 1) / f.chunkSize;
        f.chunkTable = compressed + compressed_field::Size;
    }
    return f;
}

ChunkFields readChunk(const FileEntryFields &file, uint64_t chunk) {
    const uint8_t *p = file.chunkTable + chunk * chunk_field::Width;
    return {readU32(p + chunk_field::UncompressedSize), readU32(p + chunk_field::CompressedSize),
            readU32(p + chunk_field::ExtraBytes), readU32(p + chunk_field::Offset)};
}

uint64_t storedSize(const FileEntryFields &file) {
    uint64_t total = 0;
    forEachStoredRun(file, [&total](uint64_t, uint64_t length) { total += length; });
    return total;
}

bool chunkTableIsSound(const FileEntryFields &file) {
    if (file.chunkCount == 0)
        return true;
    const uint64_t inputCapacity =
        static_cast<uint64_t>(file.chunkSize) + readChunk(file, 0).extraBytes;
    uint64_t total = 0;
    for (uint64_t i = 0; i < file.chunkCount; ++i) {
        const ChunkFields c = readChunk(file, i);
        if (c.uncompressedSize > file.chunkSize || c.extraBytes > c.uncompressedSize ||
            static_cast<uint64_t>(c.compressedSize) + c.extraBytes > inputCapacity)
            return false;
        total += c.uncompressedSize;
    }
    return total == file.size;
}

bool isSafeName(const char *name, size_t length, bool emptyAllowed) {
    if (length == 0)
        return emptyAllowed;
    if ((length == 1 && name[0] == '.') || (length == 2 && name[0] == '.' && name[1] == '.'))
        return false;
    for (size_t i = 0; i < length; ++i)
        if (name[i] == '/' || name[i] == '\0')
            return false;
    return true;
}

} // namespace tankreader
