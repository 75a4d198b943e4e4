#include "tools/kegtap/tank_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

namespace kegtapcli {
namespace {

constexpr unsigned MaxDepth = 256;
constexpr size_t DirNameField = 18;
constexpr size_t FileNameField = 30;

uint64_t alignToFour(uint64_t offset) {
    return (offset + 3) & ~uint64_t{3};
}

uint32_t u32At(const uint8_t *p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

Failure damaged(const std::string &what) {
    return Failure(Damaged, "damaged Tank file: " + what);
}

} // namespace

Failure libraryFailure(const std::string &context) {
    const uint32_t code = GetKvErrorCode();
    std::string message(GetKvErrorString(nullptr, 0), '\0');
    GetKvErrorString(message.data(), static_cast<uint32_t>(message.size()));
    message.resize(message.size() - 1);
    const bool system = code != 0 && (code & 0x20000000u) == 0;
    if (system)
        message += std::string(" (") + std::strerror(static_cast<int>(code)) + ")";
    return Failure(system ? InputOutput : Damaged, context + ": " + message);
}

TankFile::TankFile(const std::string &path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0)
        throw Failure(InputOutput, "Cannot open " + path + ": " + std::strerror(errno));
    try {
        if (!GetHeaderFromTankFile(fd_, &header_))
            throw libraryFailure(path);
        index_.resize(header_.IndexSize);
        if (!GetIndexFromTankFile(fd_, &header_, index_.data(), header_.IndexSize))
            throw libraryFailure(path);
        if (crc32_z(0, index_.data(), index_.size()) != header_.IndexCrc32)
            throw Failure(Damaged, path + ": Index of tank file has wrong CRC32.");
        if (index_.size() < 8)
            throw damaged("index too short");
        if (u32At(index_.data()) == 0)
            throw Failure(Damaged,
                          path + ": Tank file error. Total directory should be at least 1.");
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

TankFile::~TankFile() {
    ::close(fd_);
}

void TankFile::walk(const std::function<void(const Entry &)> &visit) const {
    std::set<uint64_t> seen;
    const uint64_t root = u32At(index_.data() + 4);
    walkDirectory(root, "", 0, seen, visit);
}

size_t TankFile::fileCount() const {
    size_t count = 0;
    walk([&count](const Entry &e) { count += e.isFile ? 1 : 0; });
    return count;
}

void TankFile::checkFile(uint64_t offset, const std::string &folder) const {
    if (!inside(offset, FileNameField))
        throw damaged("file entry outside the index in " + (folder.empty() ? "/" : folder));
    const auto &f = *reinterpret_cast<const FileEntry *>(index_.data() + offset);
    if (f.NameLength == 0 || f.NameLength > KEGTAP_MAX_NAME)
        throw Failure(Damaged, "Invalid filename length. in " + (folder.empty() ? "/" : folder));
    const uint64_t compressed = alignToFour(offset + FileNameField + f.NameLength + 1);
    if (!inside(offset, FileNameField + f.NameLength + 1u) ||
        (f.Format != 0 && !inside(compressed, 8)))
        throw damaged("file entry outside the index");
    if (f.Format == 0)
        return;
    const uint32_t chunkSize = u32At(index_.data() + compressed + 4);
    const uint64_t chunks = chunkSize == 0 ? 0 : (uint64_t{f.Size} + chunkSize - 1) / chunkSize;
    if (!inside(compressed + 8, chunks * sizeof(ChunkEntry)))
        throw damaged("chunk table outside the index");
}

void TankFile::walkDirectory(uint64_t offset, const std::string &path, unsigned depth,
                             std::set<uint64_t> &seen,
                             const std::function<void(const Entry &)> &visit) const {
    if (!inside(offset, DirNameField) || depth > MaxDepth || !seen.insert(offset).second)
        throw damaged("folder entry outside the index or in a loop");
    const auto *dir = reinterpret_cast<const DirEntry *>(index_.data() + offset);
    const uint64_t table =
        alignToFour(offset + DirNameField + (dir->NameLength ? dir->NameLength + 1u : 0u));
    if (!inside(table, 4ull * dir->ChildCount))
        throw damaged("child table outside the index");
    if (depth == 0 && dir->ChildCount == 0)
        throw Failure(Damaged, "No child in root directory.");
    if (depth > 0)
        visit({false, path, index_.data() + offset});
    for (uint32_t i = 0; i < dir->ChildCount; ++i) {
        const uint32_t child = GetChildOffsetOfDirEntry(dir, i, index_.data());
        if (IsFile(&header_, child)) {
            checkFile(child, path);
            const auto *f = reinterpret_cast<const FileEntry *>(index_.data() + child);
            const std::string name(f->Name, f->NameLength);
            visit({true, path.empty() ? name : path + "/" + name, index_.data() + child});
            continue;
        }
        const auto *childDir = reinterpret_cast<const DirEntry *>(index_.data() + child);
        if (!inside(child, DirNameField) || !inside(child, DirNameField + childDir->NameLength))
            throw damaged("folder entry outside the index");
        char name[KEGTAP_MAX_NAME + 1];
        if (!GetDirEntryName(index_.data() + child, name, sizeof name))
            throw Failure(Damaged, "Invalid filename length. in " + (path.empty() ? "/" : path));
        const std::string n = name;
        if (n == "." || n == ".." || n.find('/') != std::string::npos ||
            n.size() != childDir->NameLength)
            throw Failure(Damaged, "Unsafe file name in tank file.");
        walkDirectory(child,
                      n.empty()      ? path
                      : path.empty() ? n
                                     : path + "/" + n,
                      depth + 1, seen, visit);
    }
}

} // namespace kegtapcli
