// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/scratch_folder.h"

#include "tools/kegtap/tank_archive.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace kegtapcli {
namespace {

std::string createScratch() {
    const char *base = std::getenv("TMPDIR");
    std::string path =
        std::string(base != nullptr && *base ? base : "/tmp") + "/kegtap-scratch-XXXXXX";
    if (::mkdtemp(path.data()) == nullptr)
        throw Failure(InputOutput,
                      std::string("Cannot create a scratch folder: ") + std::strerror(errno));
    return path;
}

void writeOut(const char *data, size_t length) {
    while (length > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, data, length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw Failure(InputOutput, std::string("Cannot write output: ") + std::strerror(errno));
        data += n;
        length -= static_cast<size_t>(n);
    }
}

} // namespace

ScratchFolder::ScratchFolder()
    : path_(createScratch()), folder_(kegtap::OutputFolder::openDestination(path_.c_str())) {}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::copyToOutput(const std::string &name) const {
    const int fd = ::openat(folder_.descriptor(), name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Failure(InputOutput, "Cannot read " + name + ": " + std::strerror(errno));
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            throw Failure(InputOutput, "Cannot read " + name + ": " + std::strerror(error));
        }
        try {
            writeOut(buffer, static_cast<size_t>(n));
        } catch (...) {
            ::close(fd);
            throw;
        }
    }
    ::close(fd);
}

void ScratchFolder::remove(const std::string &name) const {
    ::unlinkat(folder_.descriptor(), name.c_str(), 0);
}

} // namespace kegtapcli
