#include "kegtap/content_decoder.h"

#include "kegtap/tank_layout.h"

#include <lzo/lzo1x.h>
#include <zlib.h>

namespace kegtap {
namespace {

bool decodeZlib(const uint8_t *input, size_t inputLength, uint8_t *output, size_t capacity,
                size_t &produced) {
    uLongf outLength = capacity;
    const int result = ::uncompress(output, &outLength, input, inputLength);
    produced = outLength;
    return result == Z_OK;
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

} // namespace kegtap
