// An open Tank file read through libkegtap's exports: header, checked index, and a walk over
// the directory tree that makes sure every entry lies inside the index before it is used.
#pragma once

#include "kegtap/kegtap.h"

#include <cstdint>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace kegtapcli {

// Exit codes of the command line.
enum ExitCode { Success = 0, Damaged = 1, Usage = 2, InputOutput = 3 };

struct Failure : std::runtime_error {
    Failure(ExitCode code, const std::string &message) : std::runtime_error(message), code(code) {}
    ExitCode code;
};

// The library's last error as a failure: its own codes mean a damaged file, system codes I/O.
Failure libraryFailure(const std::string &context);

struct Entry {
    bool isFile;
    std::string path; // relative, "/"-separated; empty for the root
    const uint8_t *address;
};

class TankFile {
public:
    explicit TankFile(const std::string &path);
    ~TankFile();
    TankFile(const TankFile &) = delete;

    int fd() const { return fd_; }
    const TankHeader &header() const { return header_; }
    const uint8_t *index() const { return index_.data(); }
    const FileEntry &file(const Entry &e) const {
        return *reinterpret_cast<const FileEntry *>(e.address);
    }

    // Visits every folder (before its children) and file below the root, depth first.
    void walk(const std::function<void(const Entry &)> &visit) const;
    size_t fileCount() const;

private:
    void walkDirectory(uint64_t offset, const std::string &path, unsigned depth,
                       std::set<uint64_t> &seen,
                       const std::function<void(const Entry &)> &visit) const;
    void checkFile(uint64_t offset, const std::string &folder) const;
    bool inside(uint64_t offset, uint64_t length) const { return offset + length <= index_.size(); }

    int fd_;
    TankHeader header_{};
    std::vector<uint8_t> index_;
};

} // namespace kegtapcli
