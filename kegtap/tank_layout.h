// SPDX-License-Identifier: GPL-3.0-or-later
// Field positions of the Tank format and little-endian access to the raw bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kegtap {

namespace header_field {
constexpr size_t IndexOffset = 12;
constexpr size_t FileSetOffset = 16;
constexpr size_t IndexSize = 20;
constexpr size_t DataOffset = 24;
constexpr size_t IndexCrc32 = 80;
} // namespace header_field

namespace index_field {
constexpr size_t DirCount = 0;
constexpr size_t RootOffset = 4;
} // namespace index_field

namespace dir_field {
constexpr size_t ParentOffset = 0;
constexpr size_t ChildCount = 4;
constexpr size_t FileTime = 8;
constexpr size_t NameLength = 16;
constexpr size_t Name = 18;
} // namespace dir_field

namespace file_field {
constexpr size_t Size = 4;
constexpr size_t Offset = 8;
constexpr size_t Crc32 = 12;
constexpr size_t FileTime = 16;
constexpr size_t Format = 24;
constexpr size_t NameLength = 28;
constexpr size_t Name = 30;
} // namespace file_field

namespace chunk_field {
constexpr size_t UncompressedSize = 0;
constexpr size_t CompressedSize = 4;
constexpr size_t ExtraBytes = 8;
constexpr size_t Offset = 12;
constexpr size_t Width = 16;
} // namespace chunk_field

constexpr uint16_t FormatRaw = 0;
constexpr uint16_t FormatZlib = 1;
constexpr size_t MaxNameLength = 260;

inline uint16_t readU16(const uint8_t *p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t readU32(const uint8_t *p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline uint64_t readU64(const uint8_t *p) {
    return static_cast<uint64_t>(readU32(p)) | (static_cast<uint64_t>(readU32(p + 4)) << 32);
}

// Padding inside the index is counted from the index start.
inline uint64_t alignToFour(uint64_t indexOffset) {
    return (indexOffset + 3) & ~uint64_t{3};
}

// Index offset of a directory's child table.
inline uint64_t childTableOffset(uint64_t dirOffset, uint16_t nameLength) {
    return alignToFour(dirOffset + dir_field::Name + (nameLength > 0 ? nameLength + 1u : 0u));
}

// Index offset of a file's compressed-data header.
inline uint64_t compressedHeaderOffset(uint64_t fileOffset, uint16_t nameLength) {
    return alignToFour(fileOffset + file_field::Name + nameLength + 1u);
}

// A file entry as read from the index; the pointers point into the index block.
struct FileEntryFields {
    uint32_t size;
    uint32_t offset;
    uint32_t crc32;
    uint64_t fileTime;
    uint16_t format;
    uint16_t nameLength;
    const char *name;
    uint32_t compressedSize; // single block only
    uint32_t chunkSize;
    uint64_t chunkCount;
    const uint8_t *chunkTable;
};

// Reads the fields the name length allows; the compressed-data header only when the format has
// one. The caller has made sure that what is read lies inside the index.
FileEntryFields readFileEntry(const uint8_t *entry, const uint8_t *indexStart);

struct ChunkFields {
    uint32_t uncompressedSize;
    uint32_t compressedSize;
    uint32_t extraBytes;
    uint32_t offset;
};

ChunkFields readChunk(const FileEntryFields &file, uint64_t chunk);

// The chunk table meets the reader's buffer rules and adds up to the file size.
bool chunkTableIsSound(const FileEntryFields &file);

// A name that can be used as one path component of its own.
bool isSafeName(const char *name, size_t length, bool emptyAllowed);

} // namespace kegtap
