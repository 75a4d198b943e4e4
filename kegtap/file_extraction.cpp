// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/file_extraction.h"

#include "kegtap/posix_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <utility>

namespace tankreader {
namespace {

// A Windows file time (100 ns steps since 1601) as a POSIX time.
timespec toTimespec(uint64_t fileTime) {
    constexpr uint64_t UnixEpoch = 116444736000000000ull;
    constexpr uint64_t StepsPerSecond = 10000000ull;
    const bool beforeEpoch = fileTime < UnixEpoch;
    const uint64_t distance = beforeEpoch ? UnixEpoch - fileTime : fileTime - UnixEpoch;
    auto seconds = static_cast<int64_t>(distance / StepsPerSecond);
    auto steps = static_cast<int64_t>(distance % StepsPerSecond);
    if (beforeEpoch) {
        seconds = -seconds;
        if (steps != 0) {
            seconds -= 1;
            steps = static_cast<int64_t>(StepsPerSecond) - steps;
        }
    }
    return timespec{static_cast<time_t>(seconds), static_cast<long>(steps * 100)};
}

// The name is free for a new file; an existing one must be a plain file other than the Tank.
bool mayReplace(int folder, const std::string &name, const TankSource &tank, ErrorState &error) {
    struct stat st {};
    if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return true;
        error.setSystem("Cannot create extracted file.");
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISLNK(st.st_mode) ? ELOOP : S_ISDIR(st.st_mode) ? EISDIR : EEXIST;
        error.setSystem("Cannot create extracted file.");
        return false;
    }
    if (st.st_dev == tank.device && st.st_ino == tank.inode) {
        error.set(KEGTAP_ERR_SELF, "File would overwrite the tank file.");
        return false;
    }
    return true;
}

// A new file with a name of its own in the folder, removed unless it is committed.
class TemporaryFile : public ContentSink {
public:
    TemporaryFile(int folder, ErrorState &error) : folder_(folder), error_(error) {
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            name_ = ".kegtap-" + randomLetters();
            fd_ = ::openat(folder, name_.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
        if (fd_ < 0)
            error.setSystem("Cannot create extracted file.");
    }
    ~TemporaryFile() override {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            ::unlinkat(folder_, name_.c_str(), 0);
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    bool created() const { return fd_ >= 0; }
    bool write(const uint8_t *data, size_t length) override {
        return writeAll(fd_, data, length, error_);
    }
    bool setTime(uint64_t fileTime) {
        const timespec times[2] = {{0, UTIME_OMIT}, toTimespec(fileTime)};
        if (::futimens(fd_, times) == 0)
            return true;
        error_.setSystem("Cannot set the file time.");
        return false;
    }
    // Closes the file and gives it its final name.
    bool commit(const std::string &name) {
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0) {
            error_.setSystem("Cannot close file.");
            return false;
        }
        if (::renameat(folder_, name_.c_str(), folder_, name.c_str()) != 0) {
            error_.setSystem("Cannot create extracted file.");
            return false;
        }
        committed_ = true;
        return true;
    }

private:
    static std::string randomLetters() {
        static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        uint8_t bytes[10] = {};
        if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != sizeof bytes) {
            // Only a clash is at stake: the name is taken with O_EXCL.
            timespec now{};
            ::clock_gettime(CLOCK_MONOTONIC, &now);
            uint64_t x = static_cast<uint64_t>(now.tv_nsec) ^ (uint64_t(::getpid()) << 32);
            for (uint8_t &b : bytes) {
                x = x * 6364136223846793005ull + 1442695040888963407ull;
                b = static_cast<uint8_t>(x >> 56);
            }
        }
        std::string s;
        for (const uint8_t b : bytes)
            s += letters[b % (sizeof letters - 1)];
        return s;
    }

    int folder_;
    ErrorState &error_;
    int fd_ = -1;
    std::string name_;
    bool committed_ = false;
};

} // namespace

Outcome extractFileInto(const OutputFolder &folder, const std::string &name,
                        const FileEntryFields &file, const TankSource &tank, Decoder &decoder,
                        const ProgressReport &progress, const ExtractionPolicy &policy,
                        ErrorState &error) {
    const int dir = folder.descriptor();
    if (dir == -1) {
        error.setSystem("Cannot create extracted file.");
        return Outcome::Failed;
    }
    struct stat existing {};
    if (policy.keepExisting() && ::fstatat(dir, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return Outcome::Skipped;
    if (!mayReplace(dir, name, tank, error))
        return Outcome::Failed;
    TemporaryFile out(dir, error);
    uint32_t crc = 0;
    if (!out.created() || !readContent(file, tank, decoder, progress, out, crc, error))
        return Outcome::Failed;

    Verdict verdict{true, true};
    bool doubtful = false;
    if (crc != file.crc32) {
        error.set(KEGTAP_ERR_CRC, "Extracted file has different CRC32.");
        verdict = policy.badCrc(file);
        doubtful = true;
    }
    if (verdict.keep && verdict.goOn && !out.setTime(file.fileTime)) {
        verdict = policy.badTime();
        doubtful = true;
    }
    if (!verdict.keep || !out.commit(name) || !verdict.goOn)
        return Outcome::Failed;
    return doubtful ? Outcome::Kept : Outcome::Written;
}

} // namespace tankreader
