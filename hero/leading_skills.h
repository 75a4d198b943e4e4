// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which of the four visible skills lead: those whose skill bucket equals the largest bucket.
struct LeadingSkills {
    // The shared bucket of the leading skills, 0 when every skill is at level 0.
    int bucket = 0;
    // The leading set as the class pattern 0..15: 0 none, 1 melee, 2 ranged, 3 nature,
    // 4 combat, 5 melee+ranged, 6 melee+nature, 7 melee+combat, 8 ranged+nature,
    // 9 ranged+combat, 10 nature+combat, 11 melee+ranged+nature, 12 melee+ranged+combat,
    // 13 melee+nature+combat, 14 ranged+nature+combat, 15 all four.
    int pattern = 0;
};

LeadingSkills leadingSkills(int melee, int ranged, int nature, int combat);
