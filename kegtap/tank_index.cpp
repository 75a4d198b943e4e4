// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/tank_index.h"

#include "kegtap/content_decoder.h"
#include "kegtap/error_state.h"
#include "kegtap/tank_layout.h"
#include "kegtap/tank_reading.h"

#include <cerrno>
#include <new>
#include <sys/stat.h>
#include <unordered_set>

namespace kegtap {
namespace {

constexpr unsigned MaxDepth = 256;

bool damaged() {
    setError(KEGTAP_ERR_DAMAGED, "Tank file is damaged.");
    return false;
}

class TreeWalk {
public:
    TreeWalk(const TankIndex &tank, TreeVisitor &visitor) : tank_(tank), visitor_(visitor) {}

    bool walkRoot() {
        const uint32_t root = readU32(tank_.index.get() + index_field::RootOffset);
        return enterDirectory(root, 0) && walk(root, 0);
    }

private:
    const uint8_t *at(uint64_t offset) const { return tank_.index.get() + offset; }
    bool inside(uint64_t offset, uint64_t length) const {
        return offset + length <= tank_.indexSize;
    }

    // The entry, its name and its child table lie inside the index, and the tree neither loops
    // back to it nor grows too deep.
    bool enterDirectory(uint64_t offset, unsigned depth) {
        if (!inside(offset, dir_field::Name) || depth > MaxDepth)
            return damaged();
        const uint64_t table =
            childTableOffset(offset, readU16(at(offset) + dir_field::NameLength));
        if (!inside(table, 4ull * readU32(at(offset) + dir_field::ChildCount)) ||
            !visited_.insert(offset).second)
            return damaged();
        return true;
    }

    // The entry, its name and its tables lie inside the index. A name length that extraction
    // refuses is left for it to report.
    bool fileEntryFits(uint64_t offset) const {
        if (!inside(offset, file_field::Name))
            return false;
        const uint8_t *entry = at(offset);
        const uint16_t nameLength = readU16(entry + file_field::NameLength);
        if (nameLength == 0 || nameLength > MaxNameLength)
            return true;
        if (!inside(offset, file_field::Name + nameLength + 1u))
            return false;
        if (readU16(entry + file_field::Format) == FormatRaw)
            return true;
        const uint64_t compressed = compressedHeaderOffset(offset, nameLength);
        if (!inside(compressed, 8))
            return false;
        const uint32_t chunkSize = readU32(at(compressed) + 4);
        if (chunkSize == 0)
            return true;
        const uint64_t chunks =
            (static_cast<uint64_t>(readU32(entry + file_field::Size)) + chunkSize - 1) / chunkSize;
        return inside(compressed + 8, chunks * chunk_field::Width);
    }

    bool walk(uint64_t offset, unsigned depth) {
        const uint8_t *entry = at(offset);
        const uint32_t childCount = readU32(entry + dir_field::ChildCount);
        if (childCount == 0 && readU32(entry + dir_field::ParentOffset) == 0) {
            setError(KEGTAP_ERR_EMPTY_ROOT, "No child in root directory.");
            return false;
        }
        const uint64_t table = childTableOffset(offset, readU16(entry + dir_field::NameLength));
        for (uint32_t i = 0; i < childCount; ++i) {
            const uint32_t child = readU32(at(table) + 4ull * i);
            if (!(IsFile(tank_.header, child) ? visitFile(child)
                                              : visitDirectory(child, depth + 1)))
                return false;
        }
        return true;
    }

    bool visitFile(uint32_t offset) {
        return fileEntryFits(offset) ? visitor_.visitFile(offset) : damaged();
    }

    bool visitDirectory(uint32_t offset, unsigned depth) {
        if (!enterDirectory(offset, depth))
            return false;
        char name[MaxNameLength + 1];
        if (!GetDirEntryName(at(offset), name, sizeof name)) {
            setError(KEGTAP_ERR_NAME_LENGTH, "Invalid filename length.");
            return false;
        }
        if (!isSafeName(name, readU16(at(offset) + dir_field::NameLength), true)) {
            setError(KEGTAP_ERR_UNSAFE_NAME, "Unsafe file name in tank file.");
            return false;
        }
        if (!visitor_.enterFolder(offset, name) || !walk(offset, depth))
            return false;
        visitor_.leaveFolder();
        return true;
    }

    const TankIndex &tank_;
    TreeVisitor &visitor_;
    std::unordered_set<uint64_t> visited_;
};

// The index does not fit in the file: fails like the short read it would be.
bool indexBeyondEnd(int fd, const uint8_t *header) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const uint64_t end = static_cast<uint64_t>(readU32(header + header_field::IndexOffset)) +
                         readU32(header + header_field::IndexSize);
    if (end <= static_cast<uint64_t>(st.st_size))
        return false;
    errno = 0;
    setSystemError("Failure to read index.");
    return true;
}

} // namespace

bool loadTankIndex(int fd, TankIndex &tank) {
    if (!readHeader(fd, tank.header) || indexBeyondEnd(fd, tank.header))
        return false;
    tank.indexSize = readU32(tank.header + header_field::IndexSize);
    tank.index.reset(new (std::nothrow) uint8_t[tank.indexSize]);
    if (!tank.index) {
        errno = ENOMEM;
        setSystemError("Not enought memory.");
        return false;
    }
    if (!readIndex(fd, tank.header, tank.index.get()))
        return false;
    if (updateCrc32(0, tank.index.get(), tank.indexSize) !=
        readU32(tank.header + header_field::IndexCrc32)) {
        setError(KEGTAP_ERR_CRC, "Index of tank file has wrong CRC32.");
        return false;
    }
    if (tank.indexSize < index_field::RootOffset + 4)
        return damaged();
    if (readU32(tank.index.get() + index_field::DirCount) == 0) {
        setError(KEGTAP_ERR_NO_DIRECTORY, "Tank file error. Total directory should be at least 1.");
        return false;
    }
    return true;
}

bool walkTree(const TankIndex &tank, TreeVisitor &visitor) {
    return TreeWalk(tank, visitor).walkRoot();
}

} // namespace kegtap
