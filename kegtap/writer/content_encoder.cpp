// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/writer/content_encoder.h"

#include <algorithm>
#include <libdeflate.h>
#include <lzo/lzo1x.h>
#include <stdexcept>
#include <zlib.h>

namespace tankwriter {
namespace {

uint32_t narrow(uint64_t value) {
    if (value > UINT32_MAX)
        throw std::runtime_error("A file is too large for a Tank file (4 GiB).");
    return static_cast<uint32_t>(value);
}

} // namespace

// zlib itself, at its default level, so that the stored bytes match the game's own Tank Creator;
// fed piece by piece it writes what compress2() writes for the whole.
class ContentEncoder::ZlibStream {
public:
    ZlibStream() {
        if (deflateInit(&z_, Z_DEFAULT_COMPRESSION) != Z_OK)
            throw std::runtime_error("zlib compression failed");
    }
    ~ZlibStream() { deflateEnd(&z_); }
    void reset() { deflateReset(&z_); }

    void feed(const uint8_t *data, size_t length, int flush, const ContentEncoder::Emit &emit) {
        z_.next_in = const_cast<uint8_t *>(data);
        z_.avail_in = static_cast<uInt>(length);
        int result;
        do {
            uint8_t out[1 << 16];
            z_.next_out = out;
            z_.avail_out = sizeof out;
            result = deflate(&z_, flush);
            if (result == Z_STREAM_ERROR)
                throw std::runtime_error("zlib compression failed");
            emit(out, sizeof out - z_.avail_out);
        } while (z_.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
    }

private:
    z_stream z_{};
};

ContentEncoder::ContentEncoder(const Storage &storage, Emit emit)
    : storage_(storage), emit_(std::move(emit)) {}

ContentEncoder::~ContentEncoder() = default;

void ContentEncoder::emit(const uint8_t *data, size_t length) {
    if (length == 0)
        return;
    emit_(data, length);
    stored_ += length;
}

void ContentEncoder::add(const uint8_t *data, size_t length) {
    size_ += length;
    narrow(size_);
    encoded_.crc32 = libdeflate_crc32(encoded_.crc32, data, length);
    if (storage_.format == Format::Raw)
        return emit(data, length);
    if (storage_.chunkSize == 0) {
        if (storage_.format == Format::Lzo) {
            pending_.insert(pending_.end(), data, data + length);
            return;
        }
        if (!zlib_)
            zlib_ = std::make_unique<ZlibStream>();
        // zlib takes at most 4 GiB - 1 per call.
        for (size_t at = 0; at < length; at += 1u << 30) {
            const size_t now = std::min<size_t>(length - at, 1u << 30);
            zlib_->feed(data + at, now, Z_NO_FLUSH,
                        [this](const uint8_t *d, size_t n) { emit(d, n); });
        }
        return;
    }
    while (length > 0) {
        const size_t now = std::min<size_t>(length, storage_.chunkSize - pending_.size());
        if (pending_.empty() && now == storage_.chunkSize) {
            encodeChunk(data, storage_.chunkSize);
        } else {
            pending_.insert(pending_.end(), data, data + now);
            if (pending_.size() == storage_.chunkSize) {
                encodeChunk(pending_.data(), storage_.chunkSize);
                pending_.clear();
            }
        }
        data += now;
        length -= now;
    }
}

size_t ContentEncoder::code(const uint8_t *data, size_t length) {
    if (storage_.format == Format::Zlib) {
        // What compress2() writes, with one compressor state for all chunks.
        if (!zlib_)
            zlib_ = std::make_unique<ZlibStream>();
        coded_.clear();
        zlib_->reset();
        zlib_->feed(data, length, Z_FINISH,
                    [this](const uint8_t *d, size_t n) { coded_.insert(coded_.end(), d, d + n); });
        return coded_.size();
    }
    static const bool lzoReady = lzo_init() == LZO_E_OK;
    if (!lzoReady)
        throw std::runtime_error("LZO initialisation failed");
    lzoWork_.resize(LZO1X_1_MEM_COMPRESS);
    lzo_uint outLength = length + length / 16 + 64 + 3;
    coded_.resize(outLength);
    if (lzo1x_1_compress(data, length, coded_.data(), &outLength, lzoWork_.data()) != LZO_E_OK)
        throw std::runtime_error("LZO compression failed");
    return outLength;
}

void ContentEncoder::encodeChunk(const uint8_t *data, uint32_t length) {
    const uint32_t extra = std::min(storage_.extraBytes, length);
    const uint32_t codedLength = length - extra;
    const size_t produced = code(data, codedLength);
    ChunkRecord record{length, length, 0, narrow(stored_)};
    if (produced + extra < length) {
        record.compressedSize = narrow(produced);
        record.extraBytes = extra;
        emit(coded_.data(), produced);
        emit(data + codedLength, extra);
    } else {
        emit(data, length);
    }
    encoded_.chunks.push_back(record);
}

EncodedContent ContentEncoder::finish() {
    encoded_.size = narrow(size_);
    if (storage_.format == Format::Raw)
        return encoded_;
    if (storage_.chunkSize != 0) {
        if (!pending_.empty())
            encodeChunk(pending_.data(), static_cast<uint32_t>(pending_.size()));
    } else if (zlib_) {
        zlib_->feed(nullptr, 0, Z_FINISH, [this](const uint8_t *d, size_t n) { emit(d, n); });
    } else if (!pending_.empty()) {
        const size_t coded = code(pending_.data(), pending_.size());
        emit(coded_.data(), coded);
    }
    encoded_.compressedSize = narrow(stored_);
    return encoded_;
}

} // namespace tankwriter
