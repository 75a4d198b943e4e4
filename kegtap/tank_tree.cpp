// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/tank_tree.h"

#include "text/windows1252.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace tankreader {
namespace {

constexpr unsigned MaxDepth = 256;

bool damaged(ErrorState &error) {
    error.set(KEGTAP_ERR_DAMAGED, "Tank file is damaged.");
    return false;
}

class TreeWalk {
public:
    TreeWalk(const TankIndex &tank, TankTree &tree, ErrorState &error)
        : tank_(tank), tree_(tree), error_(error) {}

    bool walkRoot() {
        const uint32_t root = readU32(tank_.at(index_field::RootOffset));
        return enterDirectory(root, 0) && walk(root, 0, NoFolder, RootPathKey) &&
               noFileNamedTwice() && noSharedStoredBytes();
    }

private:
    bool inside(uint64_t offset, uint64_t length) const {
        return offset + length <= tank_.indexSize;
    }

    // The entry, its name and its child table lie inside the index, and the tree neither loops
    // back to it nor grows too deep.
    bool enterDirectory(uint64_t offset, unsigned depth) {
        if (!inside(offset, dir_field::Name) || depth > MaxDepth)
            return damaged(error_);
        const uint8_t *entry = tank_.at(offset);
        const uint64_t table = childTableOffset(offset, readU16(entry + dir_field::NameLength));
        if (!inside(table, 4ull * readU32(entry + dir_field::ChildCount)) ||
            !visited_.insert(offset).second)
            return damaged(error_);
        return true;
    }

    // The entry, its name and its tables lie inside the index.
    bool fileEntryFits(uint64_t offset) const {
        if (!inside(offset, file_field::Name))
            return false;
        const uint8_t *entry = tank_.at(offset);
        const uint16_t nameLength = readU16(entry + file_field::NameLength);
        if (nameLength == 0 || nameLength > MaxNameLength)
            return true; // refused for its name length
        if (!inside(offset, file_field::Name + nameLength + 1u))
            return false;
        if (readU16(entry + file_field::Format) == FormatRaw)
            return true;
        const uint64_t compressed = compressedHeaderOffset(offset, nameLength);
        if (!inside(compressed, compressed_field::Size))
            return false;
        const uint32_t chunkSize = readU32(tank_.at(compressed + compressed_field::ChunkSize));
        if (chunkSize == 0)
            return true;
        const uint64_t chunks =
            (static_cast<uint64_t>(readU32(entry + file_field::Size)) + chunkSize - 1) / chunkSize;
        return inside(compressed + compressed_field::Size, chunks * chunk_field::Width);
    }

    bool walk(uint64_t offset, unsigned depth, size_t folder, uint64_t key) {
        const uint8_t *entry = tank_.at(offset);
        const uint32_t childCount = readU32(entry + dir_field::ChildCount);
        if (childCount == 0 && readU32(entry + dir_field::ParentOffset) == 0) {
            error_.set(KEGTAP_ERR_EMPTY_ROOT, "No child in root directory.");
            return false;
        }
        const uint64_t table = childTableOffset(offset, readU16(entry + dir_field::NameLength));
        for (uint32_t i = 0; i < childCount; ++i) {
            const uint32_t child = readU32(tank_.at(table + 4ull * i));
            if (!(IsFile(tank_.header, child) ? visitFile(child, folder, key)
                                              : visitDirectory(child, depth + 1, folder, key)))
                return false;
        }
        return true;
    }

    bool visitFile(uint32_t offset, size_t folder, uint64_t key) {
        if (!fileEntryFits(offset))
            return damaged(error_);
        const FileEntryFields file = readFileEntry(tank_.at(offset), tank_.index.get());
        if (!checkFileEntry(file, error_))
            return false;
        tree_.files.push_back(
            {folder, offset, pathKey(key, folder == NoFolder, file.name, file.nameLength)});
        return true;
    }

    bool visitDirectory(uint32_t offset, unsigned depth, size_t folder, uint64_t key) {
        if (!enterDirectory(offset, depth))
            return false;
        const uint8_t *entry = tank_.at(offset);
        const uint16_t nameLength = readU16(entry + dir_field::NameLength);
        const auto *name = reinterpret_cast<const char *>(entry + dir_field::Name);
        if (nameLength > MaxNameLength) {
            error_.set(KEGTAP_ERR_NAME_LENGTH, "Invalid filename length.");
            return false;
        }
        if (!isSafeName(name, nameLength, true)) {
            error_.set(KEGTAP_ERR_UNSAFE_NAME, "Unsafe file name in tank file.");
            return false;
        }
        if (nameLength == 0)
            return walk(offset, depth, folder, key);
        const uint64_t subKey = pathKey(key, folder == NoFolder, name, nameLength);
        tree_.folders.push_back({folder, windows1252::toUtf8({name, nameLength}),
                                 readU64(entry + dir_field::FileTime), tree_.files.size(), subKey});
        return walk(offset, depth, tree_.folders.size() - 1, subKey);
    }

    // Two places in the tree that name one file entry would make one stored file count twice.
    bool noFileNamedTwice() const {
        std::vector<uint32_t> offsets;
        offsets.reserve(tree_.files.size());
        for (const TreeFile &f : tree_.files)
            offsets.push_back(f.offset);
        std::sort(offsets.begin(), offsets.end());
        return std::adjacent_find(offsets.begin(), offsets.end()) == offsets.end() ||
               damaged(error_);
    }

    // Each stored byte belongs to one chunk of one file, so that a Tank can make no more than
    // its own stored bytes decode to. A file without stored bytes overlaps nothing.
    bool noSharedStoredBytes() const {
        std::vector<std::pair<uint64_t, uint64_t>> runs; // start, end
        for (const TreeFile &f : tree_.files) {
            const FileEntryFields file = readFileEntry(tank_.at(f.offset), tank_.index.get());
            forEachStoredRun(file, [&runs, &file](uint64_t position, uint64_t length) {
                if (length > 0)
                    runs.emplace_back(file.offset + position, file.offset + position + length);
            });
        }
        std::sort(runs.begin(), runs.end());
        for (size_t i = 1; i < runs.size(); ++i)
            if (runs[i].first < runs[i - 1].second)
                return damaged(error_);
        return true;
    }

    const TankIndex &tank_;
    TankTree &tree_;
    ErrorState &error_;
    std::unordered_set<uint64_t> visited_;
};

} // namespace

std::string TankTree::path(size_t folder, const std::string &name) const {
    std::vector<size_t> chain;
    for (size_t f = folder; f != NoFolder; f = folders[f].parent)
        chain.push_back(f);
    std::string out;
    for (auto f = chain.rbegin(); f != chain.rend(); ++f)
        out += (out.empty() ? "" : "/") + folders[*f].name;
    if (!name.empty())
        out += (out.empty() ? "" : "/") + name;
    return out;
}

bool readTree(const TankIndex &tank, TankTree &tree, ErrorState &error) {
    tree = TankTree();
    return TreeWalk(tank, tree, error).walkRoot();
}

bool checkFileEntry(const FileEntryFields &file, ErrorState &error) {
    if (file.nameLength == 0 || file.nameLength > MaxNameLength) {
        error.set(KEGTAP_ERR_NAME_LENGTH, "Invalid filename length.");
        return false;
    }
    if (!isSafeName(file.name, file.nameLength, false)) {
        error.set(KEGTAP_ERR_UNSAFE_NAME, "Unsafe file name in tank file.");
        return false;
    }
    if (file.format != FormatRaw && !chunkTableIsSound(file))
        return damaged(error);
    return true;
}

uint64_t pathKey(uint64_t parentKey, bool inRoot, const char *name, size_t length) {
    constexpr uint64_t Prime = 1099511628211ull;
    uint64_t key = parentKey;
    if (!inRoot)
        key = (key ^ '/') * Prime;
    for (size_t i = 0; i < length; ++i)
        key = (key ^ windows1252::foldCase(static_cast<uint8_t>(name[i]))) * Prime;
    return key;
}

} // namespace tankreader
