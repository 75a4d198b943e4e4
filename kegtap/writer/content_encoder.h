// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a file's content, piece by piece, into the bytes stored in the data area and its chunk
// table.
#pragma once

#include "kegtap/writer/tank_writer.h"

#include <functional>
#include <memory>

namespace tankwriter {

struct EncodedContent {
    std::vector<ChunkRecord> chunks; // chunked storage only
    uint32_t compressedSize = 0;     // all stored bytes of a compressed file
    uint32_t crc32 = 0;
    uint32_t size = 0;
};

// Hands the stored bytes on as they are made: whole chunks, a zlib stream, or the content as it
// is. It holds at most a chunk, except for LZO1X in one block, which has no streaming form and
// holds the whole file. Chunks that do not shrink are stored as they stand; chunk offsets count
// from the first stored byte. Throws std::runtime_error when a file outgrows 4 GiB.
class ContentEncoder {
public:
    using Emit = std::function<void(const uint8_t *, size_t)>;
    ContentEncoder(const Storage &storage, Emit emit);
    ~ContentEncoder();
    ContentEncoder(const ContentEncoder &) = delete;
    ContentEncoder &operator=(const ContentEncoder &) = delete;

    void add(const uint8_t *data, size_t length);
    EncodedContent finish();

private:
    class ZlibStream;

    void emit(const uint8_t *data, size_t length);
    // Compresses data into coded_; answers the coded length.
    size_t code(const uint8_t *data, size_t length);
    void encodeChunk(const uint8_t *data, uint32_t length);

    Storage storage_;
    Emit emit_;
    EncodedContent encoded_;
    uint64_t size_ = 0;
    uint64_t stored_ = 0;
    std::vector<uint8_t> pending_; // a chunk being filled, or an LZO1X block
    std::vector<uint8_t> coded_;
    std::vector<uint8_t> lzoWork_;
    std::unique_ptr<ZlibStream> zlib_;
};

} // namespace tankwriter
