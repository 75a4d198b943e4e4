// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/content_reader.h"

#include "kegtap/posix_io.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <memory>
#include <new>
#include <sys/stat.h>

namespace tankreader {
namespace {

constexpr size_t RawBufferSize = 65536;

using Buffer = std::unique_ptr<uint8_t[]>;

bool allocate(uint64_t size, Buffer &buffer, ErrorState &error) {
    if (size > std::numeric_limits<size_t>::max())
        buffer.reset();
    else
        buffer.reset(new (std::nothrow) uint8_t[size]);
    if (!buffer) {
        errno = ENOMEM;
        error.setSystem("Not enought memory.");
        return false;
    }
    return true;
}

// Fails like a short read when the file ends before position + length.
bool holds(const TankSource &tank, uint64_t position, uint64_t length, ErrorState &error) {
    if (position + length <= tank.fileSize)
        return true;
    error.setEndOfFile("Cannot read all desire bytes from file.");
    return false;
}

// Counts the content on its way to the sink and reports progress.
class Output {
public:
    Output(ContentSink &sink, const ProgressReport &progress, ErrorState &error)
        : sink_(sink), progress_(progress), error_(error) {}

    bool write(const uint8_t *data, size_t length) {
        crc_ = updateCrc32(crc_, data, length);
        return sink_.write(data, length) && progress_.report(length, error_);
    }
    uint32_t crc() const { return crc_; }

private:
    ContentSink &sink_;
    const ProgressReport &progress_;
    ErrorState &error_;
    uint32_t crc_ = 0;
};

bool copyRaw(const FileEntryFields &file, const TankSource &tank, uint64_t position, Output &out,
             ErrorState &error) {
    Buffer buffer;
    const size_t bufferSize = std::min<size_t>(RawBufferSize, file.size);
    if (!allocate(bufferSize, buffer, error))
        return false;
    for (uint64_t missing = file.size; missing > 0;) {
        const ssize_t n = readSomeAt(tank.fd, buffer.get(), std::min<uint64_t>(bufferSize, missing),
                                     position, error);
        if (n < 0)
            return false;
        if (n == 0) {
            error.set(KEGTAP_ERR_EARLY_EOF, "EOF before finish reading bytes.");
            return false;
        }
        if (!out.write(buffer.get(), static_cast<size_t>(n)))
            return false;
        missing -= static_cast<uint64_t>(n);
        position += static_cast<uint64_t>(n);
    }
    return true;
}

bool decodeInto(Decoder &decoder, uint16_t format, const uint8_t *input, size_t inputLength,
                uint8_t *output, size_t expected, ErrorState &error) {
    size_t produced = 0;
    if (!decoder.decode(format, input, inputLength, output, expected, produced)) {
        error.set(KEGTAP_ERR_UNCOMPRESS, "Uncompress error.");
        return false;
    }
    if (produced != expected) {
        error.set(KEGTAP_ERR_SIZE_MISMATCH, "Uncompress size does not tally.");
        return false;
    }
    return true;
}

// No stream yields more than 1,032 bytes per stored byte (deflate's limit; LZO1X's is lower). A
// declared size beyond that cannot come out of the stored bytes: it fails as the finished decode
// would, before room for it is taken.
bool canYield(uint64_t stored, uint64_t declared, ErrorState &error) {
    constexpr uint64_t MaxExpansion = 1032;
    if (declared <= (stored + 1) * MaxExpansion)
        return true;
    error.set(KEGTAP_ERR_SIZE_MISMATCH, "Uncompress size does not tally.");
    return false;
}

bool decodeSingleBlock(const FileEntryFields &file, const TankSource &tank, uint64_t position,
                       Decoder &decoder, Output &out, ErrorState &error) {
    Buffer output, input;
    return canYield(file.compressedSize, file.size, error) &&
           holds(tank, position, file.compressedSize, error) &&
           allocate(file.size, output, error) && allocate(file.compressedSize, input, error) &&
           readExactlyAt(tank.fd, input.get(), file.compressedSize, position, error) &&
           decodeInto(decoder, file.format, input.get(), file.compressedSize, output.get(),
                      file.size, error) &&
           out.write(output.get(), file.size);
}

// The largest number of bytes one chunk of the file yields: no chunk may decode to more.
uint32_t largestChunk(const FileEntryFields &file) {
    uint32_t largest = 0;
    for (uint64_t i = 0; i < file.chunkCount; ++i)
        largest = std::max(largest, readChunk(file, i).uncompressedSize);
    return largest;
}

bool decodeChunks(const FileEntryFields &file, const TankSource &tank, uint64_t position,
                  Decoder &decoder, Output &out, ErrorState &error) {
    const uint64_t inputCapacity =
        static_cast<uint64_t>(file.chunkSize) + readChunk(file, 0).extraBytes;
    // Every chunk fits chunk size + the first chunk's extra bytes (the table was checked), and a
    // chunk that does not fit in the file fails before it is read: the buffer need not be larger
    // than the file. A chunk decodes into exactly the room its table entry declares, so a stream
    // that would yield more stops there and fails.
    for (uint64_t i = 0; i < file.chunkCount; ++i) {
        const ChunkFields chunk = readChunk(file, i);
        if (chunk.uncompressedSize != chunk.compressedSize &&
            !canYield(chunk.compressedSize, chunk.uncompressedSize - chunk.extraBytes, error))
            return false;
    }
    Buffer output, input;
    if (!allocate(largestChunk(file), output, error) ||
        !allocate(std::min(inputCapacity, tank.fileSize), input, error))
        return false;
    for (uint64_t i = 0; i < file.chunkCount; ++i) {
        const ChunkFields chunk = readChunk(file, i);
        const uint64_t at = position + chunk.offset;
        const uint64_t stored = static_cast<uint64_t>(chunk.compressedSize) + chunk.extraBytes;
        if (!holds(tank, at, stored, error) ||
            !readExactlyAt(tank.fd, input.get(), stored, at, error))
            return false;
        const uint8_t *content = input.get();
        if (chunk.uncompressedSize != chunk.compressedSize) {
            const size_t coded = chunk.uncompressedSize - chunk.extraBytes;
            if (!decodeInto(decoder, file.format, input.get(), chunk.compressedSize, output.get(),
                            coded, error))
                return false;
            std::copy_n(input.get() + chunk.compressedSize, chunk.extraBytes, output.get() + coded);
            content = output.get();
        }
        if (!out.write(content, chunk.uncompressedSize))
            return false;
    }
    return true;
}

} // namespace

bool ProgressReport::report(uint64_t bytes, ErrorState &error) const {
    if (handler == nullptr || handler(context, bytes) == 0)
        return true;
    error.set(KEGTAP_ERR_CANCELLED, "Cancelled.");
    return false;
}

TankSource TankSource::of(int fd, uint64_t dataOffset) {
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    return {fd, dataOffset,
            regular ? static_cast<uint64_t>(st.st_size) : std::numeric_limits<uint64_t>::max(),
            st.st_dev, st.st_ino};
}

bool readContent(const FileEntryFields &file, const TankSource &tank, Decoder &decoder,
                 const ProgressReport &progress, ContentSink &sink, uint32_t &crc,
                 ErrorState &error) {
    Output out(sink, progress, error);
    const uint64_t position = tank.dataOffset + file.offset;
    bool read;
    if (file.size == 0)
        read = true; // an empty file reads nothing
    else if (file.format == FormatRaw)
        read = copyRaw(file, tank, position, out, error);
    else if (file.chunkSize == 0)
        read = decodeSingleBlock(file, tank, position, decoder, out, error);
    else
        read = decodeChunks(file, tank, position, decoder, out, error);
    crc = out.crc();
    return read;
}

} // namespace tankreader
