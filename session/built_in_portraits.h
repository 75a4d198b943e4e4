// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/portrait.h"

#include <QByteArray>

#include <array>

// The built-in portraits: six 64 x 64, 24-bit bitmaps. 0 to 3 are the default portraits of
// the Farmboy, Farmgirl, Dwarf and Skeleton models, 4 the skull helm (also the default of an
// unknown model) and 5 the skullward.
class BuiltInPortraits : public PortraitStore {
public:
    static constexpr int count = 6;

    BuiltInPortraits();

    // The bitmap file of portrait n; empty for a number outside 0 to 5.
    ImageBytes builtInPortrait(int number) const override;

private:
    std::array<QByteArray, count> m_files;
};
