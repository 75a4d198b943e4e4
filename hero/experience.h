// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The game's experience table and the pure conversions between experience and levels.
// Experience amounts are long double (80-bit extended, 64-bit significand).

inline constexpr int TableLevels = 150;

// Entry L is the cumulative experience at which level L begins.
extern const std::array<std::int64_t, TableLevels + 1> ExperienceTable;

// The highest level; 150 unless start-up sets it lower. Never above the table's last level.
int MaxLevel();
// Sets the highest level, clamped to 1..150 so that no lookup leaves the table.
void SetMaxLevel(int level);

// Experience span of a level; at MaxLevel (or above) the whole cumulative value of MaxLevel.
// A negative level is treated as level 0.
long double LevelSpan(int level);
// The largest level L with ExperienceTable[L] <= xp (0 for xp <= 0), walking from the hint.
// A hint outside 0..MaxLevel is clamped into it; the result never depends on the hint.
int LevelForExperience(int hint, long double xp);
// The level with its fraction through the level; exactly MaxLevel from its start on.
long double FractionalLevel(int hint, long double xp);
// Rounds to the given decimal places, halves away from zero, deciding on the first dropped digit.
long double RoundDecimals(int digits, long double x);
// Six decimals below 1e10, whole numbers from there on.
long double RoundExperience(long double x);
// The coarse band 0..6 of a skill level.
int SkillBucket(int level);
