// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/leading_skills.h"

#include "hero/experience.h"

#include <algorithm>
#include <array>

LeadingSkills leadingSkills(int melee, int ranged, int nature, int combat) {
    const std::array<int, 4> buckets = {skillBucket(melee), skillBucket(ranged),
                                        skillBucket(nature), skillBucket(combat)};
    const int top = *std::max_element(buckets.begin(), buckets.end());
    if (top == 0)
        return {};
    // Bit 3 melee, 2 ranged, 1 nature, 0 combat -> pattern number.
    static constexpr std::array<int, 16> patternOfSet = {
        0,  // none
        4,  // combat
        3,  // nature
        10, // nature, combat
        2,  // ranged
        9,  // ranged, combat
        8,  // ranged, nature
        14, // ranged, nature, combat
        1,  // melee
        7,  // melee, combat
        6,  // melee, nature
        13, // melee, nature, combat
        5,  // melee, ranged
        12, // melee, ranged, combat
        11, // melee, ranged, nature
        15, // all four
    };
    int set = 0;
    for (int bucket : buckets)
        set = set * 2 + (bucket == top ? 1 : 0);
    return {top, patternOfSet[set]};
}
