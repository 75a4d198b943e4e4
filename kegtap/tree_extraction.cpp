// Extraction of a whole Tank file: header, checked index, then the directory tree depth first.
#include "kegtap/content_decoder.h"
#include "kegtap/error_state.h"
#include "kegtap/file_extraction.h"
#include "kegtap/kegtap.h"
#include "kegtap/output_folder.h"
#include "kegtap/tank_layout.h"
#include "kegtap/tank_reading.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace kegtap {
namespace {

constexpr unsigned MaxDepth = 256;

bool damaged() {
    setError(KEGTAP_ERR_DAMAGED, "Tank file is damaged.");
    return false;
}

// Walks the directory tree of a checked index, checking every entry before it is used.
class TreeWalk {
public:
    TreeWalk(int tankFd, const uint8_t *header, const uint8_t *index, uint32_t indexSize)
        : tankFd_(tankFd), header_(header), index_(index), indexSize_(indexSize) {}

    bool extractRoot(const char *destFolder) {
        const uint32_t root = readU32(index_ + index_field::RootOffset);
        if (!enterDirectory(root, 0))
            return false;
        return walk(root, OutputFolder::openDestination(destFolder), 0);
    }

private:
    bool inside(uint64_t offset, uint64_t length) const { return offset + length <= indexSize_; }

    // The entry, its name and its child table lie inside the index, and the tree neither loops
    // back to it nor grows too deep.
    bool enterDirectory(uint64_t offset, unsigned depth) {
        if (!inside(offset, dir_field::Name) || depth > MaxDepth)
            return damaged();
        const uint8_t *entry = index_ + offset;
        const uint64_t table = childTableOffset(offset, readU16(entry + dir_field::NameLength));
        if (!inside(table, 4ull * readU32(entry + dir_field::ChildCount)) ||
            !visited_.insert(offset).second)
            return damaged();
        return true;
    }

    // The entry, its name and its tables lie inside the index. A name length that extraction
    // refuses is left for it to report.
    bool fileEntryFits(uint64_t offset) const {
        if (!inside(offset, file_field::Name))
            return false;
        const uint8_t *entry = index_ + offset;
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
        const uint32_t chunkSize = readU32(index_ + compressed + 4);
        if (chunkSize == 0)
            return true;
        const uint64_t chunks =
            (static_cast<uint64_t>(readU32(entry + file_field::Size)) + chunkSize - 1) / chunkSize;
        return inside(compressed + 8, chunks * 16);
    }

    bool walk(uint64_t offset, const OutputFolder &folder, unsigned depth) {
        const uint8_t *entry = index_ + offset;
        const uint32_t childCount = readU32(entry + dir_field::ChildCount);
        if (childCount == 0 && readU32(entry + dir_field::ParentOffset) == 0) {
            setError(KEGTAP_ERR_EMPTY_ROOT, "No child in root directory.");
            return false;
        }
        const uint64_t table = childTableOffset(offset, readU16(entry + dir_field::NameLength));
        for (uint32_t i = 0; i < childCount; ++i) {
            const uint32_t child = readU32(index_ + table + 4ull * i);
            if (!(IsFile(header_, child) ? extractFile(child, folder)
                                         : extractDirectory(child, folder, depth + 1)))
                return false;
        }
        return true;
    }

    bool extractFile(uint32_t offset, const OutputFolder &folder) {
        if (!fileEntryFits(offset))
            return damaged();
        return extractFileEntry(index_ + offset, index_, tankFd_,
                                readU32(header_ + header_field::DataOffset), folder);
    }

    bool extractDirectory(uint32_t offset, const OutputFolder &parent, unsigned depth) {
        if (!enterDirectory(offset, depth))
            return false;
        char name[MaxNameLength + 1];
        if (!GetDirEntryName(index_ + offset, name, sizeof name)) {
            setError(KEGTAP_ERR_NAME_LENGTH, "Invalid filename length.");
            return false;
        }
        const uint16_t nameLength = readU16(index_ + offset + dir_field::NameLength);
        if (!isSafeName(name, nameLength, true)) {
            setError(KEGTAP_ERR_UNSAFE_NAME, "Unsafe file name in tank file.");
            return false;
        }
        const std::optional<OutputFolder> folder = parent.createSubfolder(name);
        return folder && walk(offset, *folder, depth);
    }

    int tankFd_;
    const uint8_t *header_;
    const uint8_t *index_;
    uint32_t indexSize_;
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

// The Tank file opened for reading; -1 with errno set when it cannot be opened as a file.
int openTank(const char *tankPath) {
    const int fd = ::open(tankPath, O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return -1;
    }
    return fd;
}

bool extractOpenTank(int fd, const char *destFolder) {
    uint8_t header[KEGTAP_HEADER_SIZE];
    if (!readHeader(fd, header) || indexBeyondEnd(fd, header))
        return false;
    const uint32_t indexSize = readU32(header + header_field::IndexSize);
    const std::unique_ptr<uint8_t[]> index(new (std::nothrow) uint8_t[indexSize]);
    if (!index) {
        errno = ENOMEM;
        setSystemError("Not enought memory.");
        return false;
    }
    if (!readIndex(fd, header, index.get()))
        return false;
    if (updateCrc32(0, index.get(), indexSize) != readU32(header + header_field::IndexCrc32)) {
        setError(KEGTAP_ERR_CRC, "Index of tank file has wrong CRC32.");
        return false;
    }
    if (indexSize < index_field::RootOffset + 4)
        return damaged();
    if (readU32(index.get() + index_field::DirCount) == 0) {
        setError(KEGTAP_ERR_NO_DIRECTORY, "Tank file error. Total directory should be at least 1.");
        return false;
    }
    return TreeWalk(fd, header, index.get(), indexSize).extractRoot(destFolder);
}

} // namespace
} // namespace kegtap

extern "C" bool ExtractFilesFromTankFile(const char *tankPath, const char *destFolder) {
    using namespace kegtap;
    const int fd = openTank(tankPath);
    if (fd < 0) {
        setSystemError("Cannot open Tank file.");
        return false;
    }
    const bool result = extractOpenTank(fd, destFolder);
    if (::close(fd) != 0)
        setSystemError("Cannot close file.");
    return result;
}
