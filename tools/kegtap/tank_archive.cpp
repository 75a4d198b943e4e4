// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/tank_archive.h"

#include "kegtap/error_state.h"
#include "kegtap/file_extraction.h"
#include "kegtap/tank_layout.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

namespace kegtapcli {
namespace {

using namespace kegtap;

// Lists the tree as the library's walk hands it over; file names are checked as extraction
// checks them.
class EntryCollector : public TreeVisitor {
public:
    EntryCollector(const uint8_t *index, std::vector<Entry> &entries)
        : index_(index), entries_(entries) {}

    bool enterFolder(uint64_t offset, const char *name) override {
        const std::string path = name[0] == '\0' ? folder() : pathOf(name);
        paths_.push_back(path);
        entries_.push_back({false, static_cast<unsigned>(paths_.size() - 1), name, path, offset});
        return true;
    }

    void leaveFolder() override { paths_.pop_back(); }

    bool visitFile(uint64_t offset) override {
        const FileEntryFields f = readFileEntry(index_ + offset, index_);
        if (f.nameLength == 0 || f.nameLength > MaxNameLength) {
            setError(KEGTAP_ERR_NAME_LENGTH, "Invalid filename length.");
            return false;
        }
        if (!isSafeName(f.name, f.nameLength, false)) {
            setError(KEGTAP_ERR_UNSAFE_NAME, "Unsafe file name in tank file.");
            return false;
        }
        const std::string name(f.name, f.nameLength);
        entries_.push_back(
            {true, static_cast<unsigned>(paths_.size() - 1), name, pathOf(name), offset});
        return true;
    }

private:
    const std::string &folder() const { return paths_.back(); }
    std::string pathOf(const std::string &name) const {
        return folder().empty() ? name : folder() + "/" + name;
    }

    const uint8_t *index_;
    std::vector<Entry> &entries_;
    std::vector<std::string> paths_{""};
};

const char *formName(uint16_t format) {
    return format == FormatRaw ? "raw" : format == FormatZlib ? "zlib" : "lzo";
}

} // namespace

Failure libraryFailure(const std::string &context) {
    const uint32_t code = lastErrorCode();
    std::string message = lastErrorMessage();
    const bool system = code != 0 && (code & 0x20000000u) == 0;
    if (system)
        message += std::string(" (") + std::strerror(static_cast<int>(code)) + ")";
    return Failure(system ? InputOutput : Damaged, context + ": " + message);
}

TankArchive::TankArchive(const std::string &path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0)
        throw Failure(InputOutput, "Cannot open " + path + ": " + std::strerror(errno));
    bool read = loadTankIndex(fd_, tank_);
    if (read) {
        EntryCollector collector(tank_.index.get(), entries_);
        read = walkTree(tank_, collector);
    }
    if (!read) {
        const Failure failure = libraryFailure(path);
        ::close(fd_);
        throw failure;
    }
}

TankArchive::~TankArchive() {
    ::close(fd_);
}

FileFacts TankArchive::facts(const Entry &file) const {
    const FileEntryFields f = readFileEntry(tank_.index.get() + file.offset, tank_.index.get());
    FileFacts facts{f.size, f.size, f.crc32, f.fileTime, formName(f.format)};
    if (f.format == FormatRaw)
        return facts;
    facts.stored = f.compressedSize;
    if (f.chunkCount > 0 && chunkTableIsSound(f)) {
        facts.form += "/" + std::to_string(f.chunkSize);
        facts.stored = 0;
        for (uint64_t i = 0; i < f.chunkCount; ++i) {
            const ChunkFields c = readChunk(f, i);
            facts.stored += static_cast<uint64_t>(c.compressedSize) + c.extraBytes;
        }
    }
    return facts;
}

uint64_t TankArchive::folderTime(const Entry &folder) const {
    return readU64(tank_.index.get() + folder.offset + dir_field::FileTime);
}

uint32_t TankArchive::contentCrc() const {
    uLong crc = 0;
    for (const Entry &e : entries_)
        if (e.isFile) {
            const FileFacts f = facts(e);
            crc = ::crc32_combine(crc, f.crc32, static_cast<z_off_t>(f.size));
        }
    return static_cast<uint32_t>(crc);
}

void TankArchive::extract(const Entry &file, const OutputFolder &folder) const {
    if (!extractFileEntry(tank_.index.get() + file.offset, tank_.index.get(), fd_,
                          readU32(tank_.header + header_field::DataOffset), folder))
        throw libraryFailure(file.path);
}

} // namespace kegtapcli
