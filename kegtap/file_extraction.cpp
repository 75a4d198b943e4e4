// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/file_extraction.h"

#include "kegtap/content_decoder.h"
#include "kegtap/error_state.h"
#include "kegtap/kegtap.h"
#include "kegtap/posix_io.h"
#include "kegtap/tank_layout.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace kegtap {
namespace {

constexpr size_t RawBufferSize = 65536;

using Buffer = std::unique_ptr<uint8_t[]>;

bool allocate(uint64_t size, Buffer &buffer) {
    if (size > std::numeric_limits<size_t>::max())
        buffer.reset();
    else
        buffer.reset(new (std::nothrow) uint8_t[size]);
    if (!buffer) {
        errno = ENOMEM;
        setSystemError("Not enought memory.");
        return false;
    }
    return true;
}

// The output file with the running checksum of what was written to it.
struct OutputFile {
    int fd;
    uint32_t crc;

    bool write(const uint8_t *data, size_t length) {
        crc = updateCrc32(crc, data, length);
        return writeAll(fd, data, length);
    }
};

// The Tank file as the source of stored bytes. It knows the file's size, so that a read past the
// end fails before a buffer is allocated for it, and skips the seek between contiguous reads.
class TankInput {
public:
    explicit TankInput(int fd) : fd_(fd) {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
            size_ = static_cast<uint64_t>(st.st_size);
    }

    int fd() const { return fd_; }

    // Reads length bytes at position, seeking only when the position is not where the previous
    // read ended.
    bool readAt(uint64_t position, uint8_t *buffer, uint64_t length) {
        if (next_ != position && !seekTo(fd_, position))
            return false;
        if (!holds(position, length) || !readExactly(fd_, buffer, length))
            return false;
        next_ = position + length;
        return true;
    }

    uint64_t size() const { return size_; }

    // Fails like a short read when the file ends before position + length.
    bool holds(uint64_t position, uint64_t length) const {
        if (position + length <= size_)
            return true;
        errno = 0;
        setSystemError("Cannot read all desire bytes from file.");
        return false;
    }

private:
    int fd_;
    uint64_t size_ = std::numeric_limits<uint64_t>::max();
    std::optional<uint64_t> next_;
};

bool copyRaw(const FileEntryFields &file, TankInput &tank, uint64_t position, OutputFile &out) {
    if (!seekTo(tank.fd(), position))
        return false;
    Buffer buffer;
    const size_t bufferSize = std::min<size_t>(RawBufferSize, file.size);
    if (!allocate(bufferSize, buffer))
        return false;
    for (uint64_t missing = file.size; missing > 0;) {
        const ssize_t n =
            readSome(tank.fd(), buffer.get(), std::min<uint64_t>(bufferSize, missing));
        if (n < 0) {
            setSystemError("File read error.");
            return false;
        }
        if (n == 0) {
            setError(KEGTAP_ERR_EARLY_EOF, "EOF before finish reading bytes.");
            return false;
        }
        if (!out.write(buffer.get(), static_cast<size_t>(n)))
            return false;
        missing -= static_cast<uint64_t>(n);
    }
    return true;
}

bool decodeInto(uint16_t format, const uint8_t *input, size_t inputLength, uint8_t *output,
                size_t capacity, size_t expected) {
    size_t produced = 0;
    if (!decodeContent(format, input, inputLength, output, capacity, produced)) {
        setError(KEGTAP_ERR_UNCOMPRESS, "Uncompress error.");
        return false;
    }
    if (produced != expected) {
        setError(KEGTAP_ERR_SIZE_MISMATCH, "Uncompress size does not tally.");
        return false;
    }
    return true;
}

bool decodeSingleBlock(const FileEntryFields &file, TankInput &tank, uint64_t position,
                       OutputFile &out) {
    Buffer output, input;
    if (!seekTo(tank.fd(), position) || !tank.holds(position, file.compressedSize))
        return false;
    if (!allocate(file.size, output) || !allocate(file.compressedSize, input) ||
        !tank.readAt(position, input.get(), file.compressedSize) ||
        !decodeInto(file.format, input.get(), file.compressedSize, output.get(), file.size,
                    file.size))
        return false;
    return out.write(output.get(), file.size);
}

// The largest number of bytes one chunk of the file yields: no chunk may decode to more.
uint32_t largestChunk(const FileEntryFields &file) {
    uint32_t largest = 0;
    for (uint64_t i = 0; i < file.chunkCount; ++i)
        largest = std::max(largest, readChunk(file, i).uncompressedSize);
    return largest;
}

bool decodeChunks(const FileEntryFields &file, TankInput &tank, uint64_t position,
                  OutputFile &out) {
    const uint64_t inputCapacity =
        static_cast<uint64_t>(file.chunkSize) + readChunk(file, 0).extraBytes;
    // Every chunk fits chunk size + the first chunk's extra bytes (the table was checked), and a
    // chunk that does not fit in the file fails before it is read: the buffer need not be larger
    // than the file. A chunk decodes into exactly the room its table entry declares, so a stream
    // that would yield more stops there and fails.
    Buffer output, input;
    if (!allocate(largestChunk(file), output) ||
        !allocate(std::min(inputCapacity, tank.size()), input))
        return false;
    for (uint64_t i = 0; i < file.chunkCount; ++i) {
        const ChunkFields chunk = readChunk(file, i);
        const uint64_t stored = static_cast<uint64_t>(chunk.compressedSize) + chunk.extraBytes;
        if (!tank.readAt(position + chunk.offset, input.get(), stored))
            return false;
        const uint8_t *content = input.get();
        if (chunk.uncompressedSize != chunk.compressedSize) {
            const size_t coded = chunk.uncompressedSize - chunk.extraBytes;
            if (!decodeInto(file.format, input.get(), chunk.compressedSize, output.get(), coded,
                            coded))
                return false;
            std::copy_n(input.get() + chunk.compressedSize, chunk.extraBytes, output.get() + coded);
            content = output.get();
        }
        if (!out.write(content, chunk.uncompressedSize))
            return false;
    }
    return true;
}

bool writeContent(const FileEntryFields &file, int tankFd, uint64_t dataOffset, OutputFile &out) {
    if (file.size == 0)
        return true;
    TankInput tank(tankFd);
    const uint64_t position = dataOffset + file.offset;
    if (file.format == FormatRaw)
        return copyRaw(file, tank, position, out);
    if (file.chunkSize == 0)
        return decodeSingleBlock(file, tank, position, out);
    return decodeChunks(file, tank, position, out);
}

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

bool applyFileTime(int fd, uint64_t fileTime) {
    const timespec times[2] = {{0, UTIME_OMIT}, toTimespec(fileTime)};
    return ::futimens(fd, times) == 0;
}

} // namespace

bool extractFileEntry(const uint8_t *entry, const uint8_t *indexStart, int tankFd,
                      uint64_t dataOffset, const OutputFolder &folder) {
    const FileEntryFields file = readFileEntry(entry, indexStart);
    if (file.nameLength == 0 || file.nameLength > MaxNameLength) {
        setError(KEGTAP_ERR_NAME_LENGTH, "Invalid filename length.");
        return false;
    }
    const std::string name(file.name, file.nameLength);
    if (!isSafeName(file.name, file.nameLength, false)) {
        setError(KEGTAP_ERR_UNSAFE_NAME, "Unsafe file name in tank file.");
        return false;
    }
    if (file.format != FormatRaw && !chunkTableIsSound(file)) {
        setError(KEGTAP_ERR_DAMAGED, "Tank file is damaged.");
        return false;
    }

    const int folderFd = folder.descriptor();
    const int fd =
        folderFd == -1
            ? -1
            : ::openat(folderFd, name.c_str(),
                       O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        errno = EEXIST;
        setSystemError("Cannot create extracted file.");
        return false;
    }
    if (fd < 0) {
        setSystemError("Cannot create extracted file.");
        return false;
    }

    OutputFile out{fd, 0};
    if (!writeContent(file, tankFd, dataOffset, out)) {
        ::close(fd);
        ::unlinkat(folderFd, name.c_str(), 0);
        return false;
    }

    bool result = true;
    if (out.crc != file.crc32) {
        setError(KEGTAP_ERR_CRC, "Extracted file has different CRC32.");
        const std::string question = "Extracted file " + name + " CRC32 does not tally!\nContinue?";
        if (!askYesNo(question.c_str(), "Warning")) {
            ::close(fd);
            return false;
        }
    }
    if (!applyFileTime(fd, file.fileTime)) {
        setSystemError("Cannot set the file time.");
        result = askYesNo("Cannot set the time of the extracted file!", "Warning");
    }
    if (::close(fd) != 0)
        setSystemError("Cannot close file.");
    return result;
}

} // namespace kegtap

extern "C" bool ExtractFile(const void *fileEntry, int fd, uint32_t dataOffset,
                            const void *indexStart, const char *destFolder) {
    using namespace kegtap;
    const OutputFolder folder = OutputFolder::openDestination(destFolder);
    return extractFileEntry(static_cast<const uint8_t *>(fileEntry),
                            static_cast<const uint8_t *>(indexStart), fd, dataOffset, folder);
}
