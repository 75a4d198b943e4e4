// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/tank.h"

#include "text/windows1252.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tankreader {

// The output folders from a destination down to the folder being worked in, each opened below
// the one above it (never by a whole path) and created when missing. Files of one folder reuse
// the chain.
class Tank::FolderChain {
public:
    explicit FolderChain(const char *dest) {
        chain_.emplace_back(NoFolder, OutputFolder::openDestination(dest));
    }

    const OutputFolder *open(const TankTree &tree, size_t folder, ErrorState &error) {
        std::vector<size_t> wanted; // from the top down
        for (size_t f = folder; f != NoFolder; f = tree.folders[f].parent)
            wanted.insert(wanted.begin(), f);
        size_t kept = 0;
        while (kept < wanted.size() && kept + 1 < chain_.size() &&
               chain_[kept + 1].first == wanted[kept])
            ++kept;
        chain_.erase(chain_.begin() + static_cast<long>(kept) + 1, chain_.end());
        for (size_t d = kept; d < wanted.size(); ++d) {
            std::optional<OutputFolder> next =
                chain_.back().second.createSubfolder(tree.folders[wanted[d]].name.c_str(), error);
            if (!next)
                return nullptr;
            chain_.emplace_back(wanted[d], std::move(*next));
        }
        return &chain_.back().second;
    }

private:
    std::vector<std::pair<size_t, OutputFolder>> chain_;
};

Tank::~Tank() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool Tank::open(const char *path, ErrorState &error) {
    fd_ = ::open(path, O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd_ >= 0 && ::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        errno = EISDIR;
    }
    if (fd_ < 0) {
        error.setSystem("Cannot open Tank file.");
        return false;
    }
    if (!loadTankIndex(fd_, index_, error))
        return false;
    source_ = TankSource::of(fd_, readU32(index_.header + header_field::DataOffset));
    return readTree(index_, tree_, error);
}

bool Tank::close(ErrorState &error) {
    const int fd = std::exchange(fd_, -1);
    if (fd >= 0 && ::close(fd) != 0) {
        error.setSystem("Cannot close file.");
        return false;
    }
    return true;
}

FileEntryFields Tank::file(size_t i) const {
    return readFileEntry(index_.at(tree_.files[i].offset), index_.index.get());
}

std::string Tank::filePath(size_t i) const {
    const FileEntryFields f = file(i);
    return tree_.path(tree_.files[i].folder, windows1252::toUtf8({f.name, f.nameLength}));
}

bool Tank::read(size_t i, const ProgressReport &progress, ContentSink &sink, ErrorState &error) {
    const FileEntryFields f = file(i);
    uint32_t crc = 0;
    if (!readContent(f, source_, decoder_, progress, sink, crc, error))
        return false;
    if (crc != f.crc32) {
        error.set(KEGTAP_ERR_CRC, "Extracted file has different CRC32.");
        return false;
    }
    return true;
}

Outcome Tank::extractFile(size_t i, const char *dest, const ProgressReport &progress,
                          const ExtractionPolicy &policy, ErrorState &error) {
    FolderChain folders(dest);
    const OutputFolder *folder = folders.open(tree_, tree_.files[i].folder, error);
    if (folder == nullptr)
        return Outcome::Failed;
    const FileEntryFields f = file(i);
    return extractFileInto(*folder, windows1252::toUtf8({f.name, f.nameLength}), f, source_,
                           decoder_, progress, policy, error);
}

bool Tank::extractFolder(size_t i, const char *dest, ErrorState &error) const {
    FolderChain folders(dest);
    return folders.open(tree_, i, error) != nullptr;
}

Outcome Tank::extractAll(const char *dest, const ProgressReport &progress,
                         const ExtractionPolicy &policy, ErrorState &error) {
    FolderChain folders(dest);
    Outcome result = Outcome::Written;
    size_t nextFolder = 0;
    for (size_t i = 0; i <= tree_.files.size(); ++i) {
        for (; nextFolder < tree_.folders.size() && tree_.folders[nextFolder].filesBefore <= i;
             ++nextFolder)
            if (folders.open(tree_, nextFolder, error) == nullptr)
                return Outcome::Failed;
        if (i == tree_.files.size())
            break;
        const OutputFolder *folder = folders.open(tree_, tree_.files[i].folder, error);
        if (folder == nullptr)
            return Outcome::Failed;
        const FileEntryFields f = file(i);
        switch (extractFileInto(*folder, windows1252::toUtf8({f.name, f.nameLength}), f, source_,
                                decoder_, progress, policy, error)) {
        case Outcome::Failed:
            return Outcome::Failed;
        case Outcome::Kept:
            result = Outcome::Kept;
            break;
        case Outcome::Written:
        case Outcome::Skipped:
            break;
        }
    }
    return result;
}

} // namespace tankreader
