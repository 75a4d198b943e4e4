// SPDX-License-Identifier: GPL-3.0-or-later
// The Tank format as the reader and the writer both see it: field positions taken from the
// structures of kegtap.h, little-endian access to raw bytes, and the rules of the index.
#pragma once

#include "kegtap/kegtap.h"

#include <cstddef>
#include <cstdint>

namespace tankreader {

namespace header_field {
constexpr size_t ProductId = offsetof(TankHeader, ProductId);
constexpr size_t TankId = offsetof(TankHeader, TankId);
constexpr size_t HeaderVersion = offsetof(TankHeader, HeaderVersion);
constexpr size_t IndexOffset = offsetof(TankHeader, IndexOffset);
constexpr size_t FileSetOffset = offsetof(TankHeader, FileSetOffset);
constexpr size_t IndexSize = offsetof(TankHeader, IndexSize);
constexpr size_t DataOffset = offsetof(TankHeader, DataOffset);
constexpr size_t ProductVersion = offsetof(TankHeader, ProductVersion);
constexpr size_t MinimumVersion = offsetof(TankHeader, MinimumVersion);
constexpr size_t Priority = offsetof(TankHeader, Priority);
constexpr size_t Flags = offsetof(TankHeader, Flags);
constexpr size_t CreatorId = offsetof(TankHeader, CreatorId);
constexpr size_t Guid = offsetof(TankHeader, Guid);
constexpr size_t IndexCrc32 = offsetof(TankHeader, IndexCrc32);
constexpr size_t DataCrc32 = offsetof(TankHeader, DataCrc32);
constexpr size_t BuildTime = offsetof(TankHeader, BuildTime);
constexpr size_t CopyrightText = offsetof(TankHeader, CopyrightText);
constexpr size_t BuildText = offsetof(TankHeader, BuildText);
constexpr size_t TitleText = offsetof(TankHeader, TitleText);
constexpr size_t AuthorText = offsetof(TankHeader, AuthorText);
// UTF-16 units of the text fields, the terminating NUL included.
constexpr size_t LongTextUnits = sizeof(TankHeader::TitleText) / 2;
constexpr size_t AuthorTextUnits = sizeof(TankHeader::AuthorText) / 2;
constexpr size_t Size = sizeof(TankHeader);
} // namespace header_field

namespace index_field {
constexpr size_t DirCount = offsetof(TankIndexStart, DirCount);
constexpr size_t RootOffset = offsetof(TankIndexStart, RootOffset);
constexpr size_t Size = sizeof(TankIndexStart);
} // namespace index_field

namespace dir_field {
constexpr size_t ParentOffset = offsetof(DirEntry, ParentOffset);
constexpr size_t ChildCount = offsetof(DirEntry, ChildCount);
constexpr size_t FileTime = offsetof(DirEntry, FileTime);
constexpr size_t NameLength = offsetof(DirEntry, NameLength);
constexpr size_t Name = offsetof(DirEntry, Name);
} // namespace dir_field

namespace file_field {
constexpr size_t ParentOffset = offsetof(FileEntry, ParentOffset);
constexpr size_t Size = offsetof(FileEntry, Size);
constexpr size_t Offset = offsetof(FileEntry, Offset);
constexpr size_t Crc32 = offsetof(FileEntry, Crc32);
constexpr size_t FileTime = offsetof(FileEntry, FileTime);
constexpr size_t Format = offsetof(FileEntry, Format);
constexpr size_t Flags = offsetof(FileEntry, Flags);
constexpr size_t NameLength = offsetof(FileEntry, NameLength);
constexpr size_t Name = offsetof(FileEntry, Name);
} // namespace file_field

namespace compressed_field {
constexpr size_t CompressedSize = offsetof(CompressedHeader, CompressedSize);
constexpr size_t ChunkSize = offsetof(CompressedHeader, ChunkSize);
constexpr size_t Size = sizeof(CompressedHeader);
} // namespace compressed_field

namespace chunk_field {
constexpr size_t UncompressedSize = offsetof(ChunkEntry, UncompressedSize);
constexpr size_t CompressedSize = offsetof(ChunkEntry, CompressedSize);
constexpr size_t ExtraBytes = offsetof(ChunkEntry, ExtraBytes);
constexpr size_t Offset = offsetof(ChunkEntry, Offset);
constexpr size_t Width = sizeof(ChunkEntry);
} // namespace chunk_field

static_assert(header_field::Size == KEGTAP_HEADER_SIZE && header_field::IndexCrc32 == 80 &&
              header_field::AuthorText == 704);
static_assert(dir_field::Name == 18 && file_field::Name == 30 && chunk_field::Width == 16);

constexpr uint16_t FormatRaw = 0;
constexpr uint16_t FormatZlib = 1;
constexpr uint16_t FormatLzo = 2;
constexpr size_t MaxNameLength = KEGTAP_MAX_NAME;

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

inline void writeU16(uint8_t *p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

inline void writeU32(uint8_t *p, uint32_t v) {
    writeU16(p, static_cast<uint16_t>(v));
    writeU16(p + 2, static_cast<uint16_t>(v >> 16));
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

// A Windows file time (100 ns steps since 1601) as whole seconds since 1970, rounded down.
int64_t unixSeconds(uint64_t fileTime);

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

// Bytes the file's content takes in the data area; 0 for an empty file, which reads none.
uint64_t storedSize(const FileEntryFields &file);

// Calls visit(position, length) for each run of stored bytes the file reads, relative to its
// Offset; nothing for an empty file.
template <typename Visit> void forEachStoredRun(const FileEntryFields &file, Visit visit) {
    if (file.size == 0)
        return;
    if (file.format == FormatRaw)
        return visit(uint64_t{0}, uint64_t{file.size});
    if (file.chunkSize == 0)
        return visit(uint64_t{0}, uint64_t{file.compressedSize});
    for (uint64_t i = 0; i < file.chunkCount; ++i) {
        const ChunkFields c = readChunk(file, i);
        visit(uint64_t{c.offset}, uint64_t{c.compressedSize} + c.extraBytes);
    }
}

// The chunk table meets the reader's buffer rules and adds up to the file size.
bool chunkTableIsSound(const FileEntryFields &file);

// A name that can be used as one path component of its own.
bool isSafeName(const char *name, size_t length, bool emptyAllowed);

} // namespace tankreader
