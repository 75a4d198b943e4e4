// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/content_decoder.h"

#include "kegtap/tank_layout.h"

#include <libdeflate.h>
#include <lzo/lzo1x.h>
#include <memory>

namespace kegtap {
namespace {

// One decompressor for the whole process: the library is single-threaded and synchronous.
libdeflate_decompressor *zlibDecompressor() {
    static const std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor *)>
        decompressor(libdeflate_alloc_decompressor(), libdeflate_free_decompressor);
    return decompressor.get();
}

// Succeeds like zlib's uncompress: the stream (header, no preset dictionary, Adler-32) ends
// within capacity; bytes after its end are ignored.
bool decodeZlib(const uint8_t *input, size_t inputLength, uint8_t *output, size_t capacity,
                size_t &produced) {
    libdeflate_decompressor *decompressor = zlibDecompressor();
    return decompressor != nullptr &&
           libdeflate_zlib_decompress(decompressor, input, inputLength, output, capacity,
                                      &produced) == LIBDEFLATE_SUCCESS;
}

bool decodeLzo(const uint8_t *input, size_t inputLength, uint8_t *output, size_t capacity,
               size_t &produced) {
    static const bool ready = lzo_init() == LZO_E_OK;
    if (!ready)
        return false;
    lzo_uint outLength = capacity;
    const int result = lzo1x_decompress_safe(input, inputLength, output, &outLength, nullptr);
    produced = outLength;
    return result == LZO_E_OK;
}

} // namespace

bool decodeContent(uint16_t format, const uint8_t *input, size_t inputLength, uint8_t *output,
                   size_t capacity, size_t &produced) {
    produced = 0;
    return format == FormatZlib ? decodeZlib(input, inputLength, output, capacity, produced)
                                : decodeLzo(input, inputLength, output, capacity, produced);
}

uint32_t updateCrc32(uint32_t crc, const uint8_t *data, size_t length) {
    return libdeflate_crc32(crc, data, length);
}

} // namespace kegtap
