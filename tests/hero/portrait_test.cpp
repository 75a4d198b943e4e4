// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/portrait.h"
#include "tests/hero/bitmap_file.h"

#include <gtest/gtest.h>

namespace {

ImageBytes changed(ImageBytes bytes, std::size_t at, std::uint8_t value) {
    bytes.at(at) = value;
    return bytes;
}

ImageBytes cut(ImageBytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

TEST(IsWindowsBitmap, AcceptsRealBitmapsAndRejectsDamagedOrForeignOnes) {
    const ImageBytes rgb = bitmapFile(3, 2, 24); // rows of 9 pixel bytes padded to 12
    const ImageBytes grey = bitmapFile(5, 3, 8);
    const ImageBytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13, 'I', 'H',
                            'D',  'R', 0,   0,   0,    1,    0,    0,    0, 1, 8, 2,  0,   0};
    const struct {
        const char *what;
        ImageBytes bytes;
        bool valid;
    } cases[] = {
        {"24-bit", rgb, true},
        {"8-bit with its palette", grey, true},
        {"last row's padding missing", cut(rgb, rgb.size() - 1), false},
        {"8-bit, one row missing", cut(grey, grey.size() - 8), false},
        {"only the headers", cut(rgb, 54), false},
        {"PNG", png, false},
        {"zero planes", changed(rgb, 26, 0), false},
        {"no bytes", {}, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isWindowsBitmap(c.bytes), c.valid) << c.what;
}

} // namespace
