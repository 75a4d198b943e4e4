// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/portrait.h"

#include <cstdint>
#include <string>

// A Windows bitmap file as paint programs write it: the file header, a 40-byte info header, a
// grey palette up to 8 bits per pixel and bottom-up rows padded to four bytes, every pixel byte
// set to fill.
inline ImageBytes bitmapFile(std::uint32_t width, std::uint32_t height, std::uint32_t bits,
                             std::uint8_t fill = 0) {
    const std::uint32_t colours = bits <= 8 ? 1u << bits : 0;
    const std::uint32_t pixelsAt = 14 + 40 + 4 * colours;
    const std::uint32_t pixelBytes = (width * bits + 31) / 32 * 4 * height;
    ImageBytes file = {'B', 'M'};
    const auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put(pixelsAt + pixelBytes, 4);
    put(0, 4);
    put(pixelsAt, 4);
    for (const std::uint32_t field : {40u, width, height})
        put(field, 4);
    put(1, 2); // planes
    put(bits, 2);
    for (const std::uint32_t field : {0u, pixelBytes, 2835u, 2835u, colours, 0u})
        put(field, 4);
    for (std::uint32_t c = 0; c < colours; ++c)
        put(c * 255 / (colours - 1) * 0x010101u, 4);
    file.resize(pixelsAt + pixelBytes, fill);
    return file;
}

inline std::string asText(const ImageBytes &bytes) {
    return std::string(bytes.begin(), bytes.end());
}
