// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/writer/content_encoder.h"

#include <algorithm>
#include <libdeflate.h>
#include <lzo/lzo1x.h>
#include <stdexcept>
#include <zlib.h>

namespace tankwriter {
namespace {

// zlib itself, at its default level: the stored bytes match the game's own Tank Creator.
std::vector<uint8_t> compressZlib(const uint8_t *data, size_t length) {
    uLongf outLength = compressBound(length);
    std::vector<uint8_t> out(outLength);
    if (compress2(out.data(), &outLength, data, length, Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib compression failed");
    out.resize(outLength);
    return out;
}

std::vector<uint8_t> compressLzo(const uint8_t *data, size_t length) {
    static const bool ready = lzo_init() == LZO_E_OK;
    if (!ready)
        throw std::runtime_error("LZO initialisation failed");
    std::vector<uint8_t> work(LZO1X_1_MEM_COMPRESS);
    lzo_uint outLength = length + length / 16 + 64 + 3;
    std::vector<uint8_t> out(outLength);
    if (lzo1x_1_compress(data, length, out.data(), &outLength, work.data()) != LZO_E_OK)
        throw std::runtime_error("LZO compression failed");
    out.resize(outLength);
    return out;
}

std::vector<uint8_t> compress(Format format, const uint8_t *data, size_t length) {
    return format == Format::Zlib ? compressZlib(data, length) : compressLzo(data, length);
}

uint32_t narrow(size_t value) {
    if (value > UINT32_MAX)
        throw std::runtime_error("A file is too large for a Tank file (4 GiB).");
    return static_cast<uint32_t>(value);
}

void appendChunk(EncodedContent &encoded, const uint8_t *data, uint32_t length,
                 const Storage &storage) {
    const uint32_t extra = std::min(storage.extraBytes, length);
    const std::vector<uint8_t> coded = compress(storage.format, data, length - extra);
    ChunkRecord record{length, length, 0, narrow(encoded.stored.size())};
    if (coded.size() + extra < length) {
        record.compressedSize = narrow(coded.size());
        record.extraBytes = extra;
        encoded.stored.insert(encoded.stored.end(), coded.begin(), coded.end());
        encoded.stored.insert(encoded.stored.end(), data + length - extra, data + length);
    } else {
        encoded.stored.insert(encoded.stored.end(), data, data + length);
    }
    encoded.chunks.push_back(record);
}

} // namespace

EncodedContent encodeContent(const std::vector<uint8_t> &content, const Storage &storage) {
    EncodedContent encoded;
    encoded.crc32 = libdeflate_crc32(0, content.data(), content.size());
    narrow(content.size());
    if (storage.format == Format::Raw) {
        encoded.stored = content;
        return encoded;
    }
    if (storage.chunkSize == 0) {
        if (!content.empty())
            encoded.stored = compress(storage.format, content.data(), content.size());
    } else {
        for (size_t at = 0; at < content.size(); at += storage.chunkSize)
            appendChunk(
                encoded, content.data() + at,
                static_cast<uint32_t>(std::min<size_t>(storage.chunkSize, content.size() - at)),
                storage);
    }
    encoded.compressedSize = narrow(encoded.stored.size());
    return encoded;
}

} // namespace tankwriter
