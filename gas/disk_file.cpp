// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/disk_file.h"

#include "gas/errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor on every path out of a scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

std::string FolderOf(const std::string &fileName) {
    auto slash = fileName.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

std::string NameOf(const std::string &fileName) {
    auto slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

// The mode a new file gets from the user's umask, or the mode of the file being replaced.
mode_t ModeFor(const std::string &fileName) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// "Cannot create file <path>", with the system's reason for the last failure on the next line.
[[noreturn]] void CannotCreate(const std::string &fileName) {
    throw EFileError("Cannot create file " + fileName + "\r\n" + std::strerror(errno));
}

void SyncFolder(const std::string &folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

} // namespace

std::string ReadFileBytes(const std::string &fileName) {
    const EFileError cannotOpen("Cannot open file " + fileName);
    FileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (file.Get() < 0 || ::fstat(file.Get(), &st) != 0 || S_ISDIR(st.st_mode))
        throw cannotOpen;
    // Read straight into the result; the size is only a first guess for files that change or
    // report none (pipes, /proc).
    std::string bytes(S_ISREG(st.st_mode) ? static_cast<size_t>(st.st_size) + 1 : 1 << 16, '\0');
    size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
        ssize_t got = ::read(file.Get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw cannotOpen;
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

namespace {

// A temporary file beside the target, named after it and keeping its extension so that writers
// which pick a format by extension still do: "Portrait-0.bmp" gives ".Portrait-0.XXXXXX.bmp".
class TempFile {
public:
    explicit TempFile(const std::string &target) : target_(target) {
        const std::string name = NameOf(target);
        auto dot = name.rfind('.');
        const std::string extension = dot == std::string::npos || dot == 0 ? "" : name.substr(dot);
        path_ = FolderOf(target) + "/." + name.substr(0, name.size() - extension.size()) +
                ".XXXXXX" + extension;
        fd_ = ::mkstemps(path_.data(), static_cast<int>(extension.size()));
        if (fd_ < 0)
            CannotCreate(target);
    }
    ~TempFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!placed_)
            ::unlink(path_.c_str());
    }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    const std::string &Path() const { return path_; }
    int Descriptor() const { return fd_; }

    // Takes the file now at the path: a writer may have put a new one there.
    void Reopen() {
        ::close(fd_);
        fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd_ < 0)
            WriteFailed();
    }

    // Flushes the content to disk and renames the file over the target.
    void PutInPlace() {
        if (::fchmod(fd_, ModeFor(target_)) != 0 || ::fsync(fd_) != 0)
            WriteFailed();
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            WriteFailed();
        if (::rename(path_.c_str(), target_.c_str()) != 0)
            CannotCreate(target_);
        placed_ = true;
        SyncFolder(FolderOf(target_));
    }

    [[noreturn]] void WriteFailed() const { CannotCreate(target_); }

private:
    std::string target_;
    std::string path_;
    int fd_ = -1;
    bool placed_ = false;
};

} // namespace

void ReplaceFileAtomically(const std::string &fileName, std::string_view bytes) {
    TempFile temp(fileName);
    if (!WriteAll(temp.Descriptor(), bytes))
        temp.WriteFailed();
    temp.PutInPlace();
}

void ReplaceFileAtomically(const std::string &fileName,
                           const std::function<void(const std::string &path)> &write) {
    TempFile temp(fileName);
    try {
        write(temp.Path());
    } catch (const std::exception &) {
        throw EFileError("Cannot create file " + fileName);
    }
    temp.Reopen();
    temp.PutInPlace();
}
