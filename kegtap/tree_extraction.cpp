// SPDX-License-Identifier: GPL-3.0-or-later
// Extraction of a whole Tank file: header, checked index, then the directory tree depth first.
#include "kegtap/error_state.h"
#include "kegtap/file_extraction.h"
#include "kegtap/kegtap.h"
#include "kegtap/output_folder.h"
#include "kegtap/tank_index.h"
#include "kegtap/tank_layout.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kegtap {
namespace {

// Creates each folder as the walk enters it and extracts each file into the folder it is in.
class TreeExtraction : public TreeVisitor {
public:
    TreeExtraction(const TankIndex &tank, int tankFd, const char *destFolder)
        : tank_(tank), tankFd_(tankFd) {
        folders_.push_back(OutputFolder::openDestination(destFolder));
    }

    bool enterFolder(uint64_t, const char *name) override {
        std::optional<OutputFolder> folder = folders_.back().createSubfolder(name);
        if (!folder)
            return false;
        folders_.push_back(std::move(*folder));
        return true;
    }

    void leaveFolder() override { folders_.pop_back(); }

    bool visitFile(uint64_t offset) override {
        return extractFileEntry(tank_.index.get() + offset, tank_.index.get(), tankFd_,
                                readU32(tank_.header + header_field::DataOffset), folders_.back());
    }

private:
    const TankIndex &tank_;
    int tankFd_;
    std::vector<OutputFolder> folders_;
};

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
    TankIndex tank;
    if (!loadTankIndex(fd, tank))
        return false;
    TreeExtraction extraction(tank, fd, destFolder);
    return walkTree(tank, extraction);
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
