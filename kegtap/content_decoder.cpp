// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/content_decoder.h"

#include "kegtap/tank_layout.h"

#include <libdeflate.h>
#include <lzo/lzo1x.h>

namespace tankreader {

Decoder::Decoder() : zlib_(libdeflate_alloc_decompressor()) {}

Decoder::~Decoder() {
    libdeflate_free_decompressor(zlib_);
}

bool Decoder::decode(uint16_t format, const uint8_t *input, size_t inputLength, uint8_t *output,
                     size_t capacity, size_t &produced) {
    produced = 0;
    if (format == FormatZlib) {
        // Succeeds like zlib's uncompress: the stream (header, no preset dictionary, Adler-32)
        // ends within capacity; bytes after its end are ignored.
        return zlib_ != nullptr &&
               libdeflate_zlib_decompress(zlib_, input, inputLength, output, capacity, &produced) ==
                   LIBDEFLATE_SUCCESS;
    }
    static const bool lzoReady = lzo_init() == LZO_E_OK;
    if (!lzoReady)
        return false;
    lzo_uint outLength = capacity;
    const int result = lzo1x_decompress_safe(input, inputLength, output, &outLength, nullptr);
    produced = outLength;
    return result == LZO_E_OK;
}

uint32_t updateCrc32(uint32_t crc, const uint8_t *data, size_t length) {
    return libdeflate_crc32(crc, data, length);
}

} // namespace tankreader
