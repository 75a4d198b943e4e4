// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/displays.h"

#include <QByteArray>
#include <QImage>

#include <array>

// The built-in portraits: six 64 x 64, 24-bit bitmaps. 0 to 3 are the default portraits of
// the Farmboy, Farmgirl, Dwarf and Skeleton models, 4 the skull helm (also the default of an
// unknown model) and 5 the skullward.
class TfrmPortraits : public TDSPortraitStore {
public:
    static constexpr int Count = 6;

    TfrmPortraits();

    // The bitmap file of portrait n; empty for a number outside 0 to 5.
    TDSImageData BuiltInPortrait(int number) const override;

private:
    std::array<QByteArray, Count> files;
};

// The picture of the container's built-in portrait number n; a null image when there is none.
QImage PortraitBitmap(const TfrmPortraits &portraits, int n);
