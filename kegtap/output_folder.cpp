// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/output_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tankreader {

OutputFolder OutputFolder::openDestination(const char *path) {
    if (path == nullptr)
        return OutputFolder(AT_FDCWD, false, 0);
    const int fd = ::open(path, O_PATH | O_DIRECTORY | O_CLOEXEC);
    return OutputFolder(fd, fd >= 0, fd >= 0 ? 0 : errno);
}

OutputFolder::OutputFolder(OutputFolder &&other) noexcept
    : fd_(other.fd_), owned_(other.owned_), openError_(other.openError_) {
    other.owned_ = false;
}

OutputFolder &OutputFolder::operator=(OutputFolder &&other) noexcept {
    if (this != &other) {
        if (owned_)
            ::close(fd_);
        fd_ = other.fd_;
        owned_ = std::exchange(other.owned_, false);
        openError_ = other.openError_;
    }
    return *this;
}

OutputFolder::~OutputFolder() {
    if (owned_)
        ::close(fd_);
}

int OutputFolder::descriptor() const {
    if (fd_ == -1)
        errno = openError_;
    return fd_;
}

std::optional<OutputFolder> OutputFolder::createSubfolder(const char *name,
                                                          ErrorState &error) const {
    const int parent = descriptor();
    if (parent == -1) {
        error.setSystem("Cannot create directory.");
        return std::nullopt;
    }
    if (::mkdirat(parent, name, 0777) != 0) {
        if (errno != EEXIST) {
            error.setSystem("Cannot create directory.");
            return std::nullopt;
        }
        error.acceptExisting();
    }
    const int fd = ::openat(parent, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error.setSystem("Cannot create directory.");
        return std::nullopt;
    }
    return OutputFolder(fd, true, 0);
}

} // namespace tankreader
