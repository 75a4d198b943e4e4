// SPDX-License-Identifier: GPL-3.0-or-later
// The two decoders of stored content: zlib (format 1) and LZO1X (every other non-zero format).
#pragma once

#include <cstddef>
#include <cstdint>

struct libdeflate_decompressor;

namespace tankreader {

// One per thread of work: it holds the zlib decoder's state.
class Decoder {
public:
    Decoder();
    ~Decoder();
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;

    // Decodes all of input into at most capacity bytes; false when the decoder reports an
    // error, including output that does not fit and (LZO1X) input it overruns or leaves
    // unconsumed.
    bool decode(uint16_t format, const uint8_t *input, size_t inputLength, uint8_t *output,
                size_t capacity, size_t &produced);

private:
    libdeflate_decompressor *zlib_;
};

// The running CRC-32 (zlib's polynomial) of data appended to what gave crc; 0 starts it.
uint32_t updateCrc32(uint32_t crc, const uint8_t *data, size_t length);

} // namespace tankreader
