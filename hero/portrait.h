// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// A portrait as a hero folder keeps it: the bytes of a Windows bitmap file, kept as they are.
using ImageBytes = std::vector<std::uint8_t>;

// Whether the bytes are a Windows bitmap file: the "BM" file header, an info header the format
// defines, one plane, a bit depth bitmaps use, a picture of at least one pixel and pixel data that
// lies within the file.
bool isWindowsBitmap(const ImageBytes &bytes);

// The built-in portraits, numbered; number n of 0..3 is the default portrait of model n.
class PortraitStore {
public:
    virtual ~PortraitStore() = default;
    // The bitmap file of a built-in portrait, or no bytes when there is none with that number.
    virtual ImageBytes builtInPortrait(int number) const = 0;
};
