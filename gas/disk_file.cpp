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
    // Closes now and reports whether the close (which may flush) succeeded.
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

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

void ReplaceFileAtomically(const std::string &fileName, std::string_view bytes) {
    const std::string folder = FolderOf(fileName);
    std::string temp = folder + "/." + NameOf(fileName) + ".XXXXXX";
    FileDescriptor file(::mkstemp(temp.data()));
    if (file.Get() < 0)
        throw EFileError("Cannot create file " + fileName);

    auto fail = [&](const std::string &message) {
        int error = errno;
        ::unlink(temp.c_str());
        throw EFileError(message + (error ? std::string(": ") + std::strerror(error) : ""));
    };
    errno = 0;
    if (::fchmod(file.Get(), ModeFor(fileName)) != 0 || !WriteAll(file.Get(), bytes) ||
        ::fsync(file.Get()) != 0 || !file.Close())
        fail("Cannot write file " + fileName);
    if (::rename(temp.c_str(), fileName.c_str()) != 0) {
        ::unlink(temp.c_str());
        throw EFileError("Cannot create file " + fileName);
    }
    SyncFolder(folder);
}
