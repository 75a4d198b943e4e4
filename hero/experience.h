// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The game's experience table and the pure conversions between experience and levels.
// Experience amounts are long double (80-bit extended, 64-bit significand).

// The highest level, the table's last.
inline constexpr int maxLevel = 150;

// Entry L is the cumulative experience at which level L begins.
extern const std::array<std::int64_t, maxLevel + 1> experienceTable;

// Experience span of a level; at maxLevel (or above) the whole cumulative value of maxLevel.
// A negative level is treated as level 0.
long double levelSpan(int level);
// The largest level L with experienceTable[L] <= xp (0 for xp <= 0), walking from the hint.
// A hint outside 0..maxLevel is clamped into it; the result never depends on the hint.
int levelForExperience(int hint, long double xp);
// The level with its fraction through the level; exactly maxLevel from its start on.
long double fractionalLevel(int hint, long double xp);
// Rounds to the given decimal places, halves away from zero, deciding on the first dropped digit.
long double roundDecimals(int digits, long double x);
// Six decimals below 1e10, whole numbers from there on.
long double roundExperience(long double x);
// The coarse band 0..6 of a skill level.
int skillBucket(int level);
