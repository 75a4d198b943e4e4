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
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

std::string folderOf(const std::string &fileName) {
    auto slash = fileName.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

std::string nameOf(const std::string &fileName) {
    auto slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

// The mode a new file gets from the user's umask, or the mode of the file being replaced.
mode_t modeFor(const std::string &fileName) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes) {
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
[[noreturn]] void cannotCreate(const std::string &fileName) {
    throw FileError("Cannot create file " + fileName + "\r\n" + std::strerror(errno));
}

void syncFolder(const std::string &folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace

std::string withTrailingSlash(const std::string &path) {
    return path.empty() || path.back() == '/' ? path : path + "/";
}

std::string readFileBytes(const std::string &fileName) {
    const FileError cannotOpen("Cannot open file " + fileName);
    FileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || S_ISDIR(st.st_mode))
        throw cannotOpen;
    // Read straight into the result; the size is only a first guess for files that change or
    // report none (pipes, /proc).
    std::string bytes(S_ISREG(st.st_mode) ? static_cast<size_t>(st.st_size) + 1 : 1 << 16, '\0');
    size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
        ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
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
    explicit TempFile(const std::string &target) : m_target(target) {
        const std::string name = nameOf(target);
        auto dot = name.rfind('.');
        const std::string extension = dot == std::string::npos || dot == 0 ? "" : name.substr(dot);
        m_path = folderOf(target) + "/." + name.substr(0, name.size() - extension.size()) +
                 ".XXXXXX" + extension;
        m_fd = ::mkstemps(m_path.data(), static_cast<int>(extension.size()));
        if (m_fd < 0)
            cannotCreate(target);
    }
    ~TempFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_placed)
            ::unlink(m_path.c_str());
    }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    const std::string &path() const { return m_path; }
    int descriptor() const { return m_fd; }

    // Takes the file now at the path: a writer may have put a new one there.
    void reopen() {
        ::close(m_fd);
        m_fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (m_fd < 0)
            writeFailed();
    }

    // Flushes the content to disk and renames the file over the target.
    void putInPlace() {
        if (::fchmod(m_fd, modeFor(m_target)) != 0 || ::fsync(m_fd) != 0)
            writeFailed();
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            writeFailed();
        if (::rename(m_path.c_str(), m_target.c_str()) != 0)
            cannotCreate(m_target);
        m_placed = true;
        syncFolder(folderOf(m_target));
    }

    [[noreturn]] void writeFailed() const { cannotCreate(m_target); }

private:
    std::string m_target;
    std::string m_path;
    int m_fd = -1;
    bool m_placed = false;
};

} // namespace

void replaceFileAtomically(const std::string &fileName, std::string_view bytes) {
    TempFile temp(fileName);
    if (!writeAll(temp.descriptor(), bytes))
        temp.writeFailed();
    temp.putInPlace();
}

void replaceFileAtomically(const std::string &fileName,
                           const std::function<void(const std::string &path)> &write) {
    TempFile temp(fileName);
    try {
        write(temp.path());
    } catch (const std::exception &) {
        throw FileError("Cannot create file " + fileName);
    }
    temp.reopen();
    temp.putInPlace();
}
