// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/portrait.h"

#include <cstdlib>

namespace {

std::uint32_t littleEndian(const ImageBytes &bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

bool isBitDepth(std::uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

} // namespace

bool isWindowsBitmap(const ImageBytes &bytes) {
    constexpr std::size_t fileHeader = 14;
    if (bytes.size() < fileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const std::uint32_t pixelsAt = littleEndian(bytes, 10, 4);
    const std::uint32_t infoSize = littleEndian(bytes, 14, 4);
    std::int64_t width = 0, height = 0;
    std::uint32_t planes = 0, bits = 0, compression = 0;
    if (infoSize == 12) { // the OS/2 core header
        width = littleEndian(bytes, 18, 2);
        height = littleEndian(bytes, 20, 2);
        planes = littleEndian(bytes, 22, 2);
        bits = littleEndian(bytes, 24, 2);
    } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 ||
               infoSize == 108 || infoSize == 124) {
        if (bytes.size() < fileHeader + infoSize)
            return false;
        width = static_cast<std::int32_t>(littleEndian(bytes, 18, 4));
        height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
        planes = littleEndian(bytes, 26, 2);
        bits = littleEndian(bytes, 28, 2);
        compression = littleEndian(bytes, 30, 4);
    } else {
        return false;
    }
    if (planes != 1 || !isBitDepth(bits) || width <= 0 || height == 0 ||
        pixelsAt < fileHeader + infoSize || pixelsAt > bytes.size())
        return false;
    // Uncompressed rows are padded to four bytes; compressed data has no size to check here.
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed)
        return compression == 1 || compression == 2;
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    return pixelsAt + rowBytes * static_cast<std::uint64_t>(std::llabs(height)) <= bytes.size();
}
