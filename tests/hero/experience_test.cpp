// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/experience.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

long double entry(int level) {
    return static_cast<long double>(experienceTable[level]);
}
long double spanOf(int level) {
    return entry(level + 1) - entry(level);
}

TEST(ExperienceTable, StartsAtZeroAndIncreasesStrictly) {
    ASSERT_EQ(experienceTable.size(), 151u);
    EXPECT_EQ(experienceTable[0], 0);
    for (int level = 1; level <= 150; ++level)
        EXPECT_GT(experienceTable[level], experienceTable[level - 1]) << "level " << level;
    EXPECT_EQ(experienceTable[35], 1046855);
    EXPECT_EQ(experienceTable[51], 11263782);
    EXPECT_EQ(experienceTable[150], 2639446640557650);
}

TEST(ExperienceTable, FirstSpansAreTheChosenOnes) {
    const long double spans[] = {70,   580,  800,  900,  1000, 1300, 2000,
                                 2800, 3500, 4150, 4900, 5800, 6500, 7000};
    for (int level = 0; level < 14; ++level)
        EXPECT_EQ(spanOf(level), spans[level]) << "level " << level;
}

// Each span is the previous one times the ratio, to within 2 experience points. The game's
// stored values stray a little further at three levels of the upper stretch; those are pinned.
TEST(ExperienceTable, SpansGrowByTheirRatios) {
    for (int level = 24; level <= 59; ++level)
        EXPECT_NEAR(spanOf(level), 1.16L * spanOf(level - 1), 2) << "level " << level;
    const std::map<int, long double> strays = {{130, -2.08L}, {146, -2.78L}, {149, 11.0L}};
    for (int level = 62; level <= 149; ++level) {
        const long double off = spanOf(level) - 1.225L * spanOf(level - 1);
        const auto stray = strays.find(level);
        if (stray == strays.end())
            EXPECT_LE(std::fabs(off), 2) << "level " << level;
        else
            EXPECT_NEAR(off, stray->second, 0.01) << "level " << level;
    }
}

TEST(LevelSpan, DifferenceBelowTheTopAndWholeValueAtIt) {
    EXPECT_EQ(levelSpan(0), 70);
    EXPECT_EQ(levelSpan(3), 900);
    EXPECT_EQ(levelSpan(149), 484796319533110.0L);
    EXPECT_EQ(levelSpan(150), 2639446640557650.0L);
    EXPECT_EQ(levelSpan(151), 2639446640557650.0L);
    EXPECT_EQ(levelSpan(-1), 70); // below the table: as level 0
}

TEST(LevelForExperience, SameAnswerFromEveryHint) {
    const std::pair<long double, int> cases[] = {{-5, 0},
                                                 {0, 0},
                                                 {69.999L, 0},
                                                 {70, 1},
                                                 {649.999999L, 1},
                                                 {650, 2},
                                                 {1900, 3},
                                                 {11263781.999999L, 50},
                                                 {11263782, 51},
                                                 {2154650321024540.0L, 149},
                                                 {2639446640557649.0L, 149},
                                                 {2639446640557650.0L, 150},
                                                 {1e20L, 150}};
    for (const auto &[xp, level] : cases)
        for (int hint = -3; hint <= 153; ++hint)
            ASSERT_EQ(levelForExperience(hint, xp), level)
                << "xp " << double(xp) << " hint " << hint;
}

TEST(FractionalLevel, FractionThroughTheLevel) {
    EXPECT_EQ(fractionalLevel(0, 35), 0.5L);
    EXPECT_EQ(fractionalLevel(0, 70), 1.0L);
    EXPECT_EQ(fractionalLevel(3, 1900), 3.5L);
    EXPECT_EQ(fractionalLevel(150, 1900), 3.5L);
    EXPECT_EQ(fractionalLevel(0, 0), 0);
    EXPECT_EQ(fractionalLevel(0, -10), 0);
    EXPECT_EQ(fractionalLevel(0, 2639446640557650.0L), 150);
    EXPECT_EQ(fractionalLevel(0, 9e15L), 150);
    EXPECT_LT(fractionalLevel(149, 2639446640557649.0L), 150);
}

TEST(RoundDecimals, DecidesOnTheFirstDroppedDigit) {
    struct Case {
        int digits;
        long double x, expected;
    };
    const Case cases[] = {
        {0, 2.45L, 2},
        {0, 2.5L, 3},
        {0, -2.5L, -3},
        {0, -2.45L, -2},
        {6, 1.23456751L, 1.234568L},
        {6, 12.3456784L, 12.345678L},
        {4, 0.00004L, 0},
        {4, 0.99996L, 1},
        {2, 0, 0},
        {0, 7, 7},
    };
    for (const Case &c : cases)
        EXPECT_EQ(roundDecimals(c.digits, c.x), c.expected)
            << c.digits << " places of " << double(c.x);
}

TEST(RoundExperience, SixDecimalsBelowTenBillionWholeAbove) {
    EXPECT_EQ(roundExperience(12.3456784L), 12.345678L);
    EXPECT_EQ(roundExperience(12.34567851L), 12.345679L);
    EXPECT_EQ(roundExperience(9999999999.1234564L), 9999999999.123456L);
    EXPECT_EQ(roundExperience(10000000000.6L), 10000000001.0L);
    EXPECT_EQ(roundExperience(10000000000.4L), 10000000000.0L);
    EXPECT_EQ(roundExperience(2639446640557650.0L), 2639446640557650.0L);
}

TEST(SkillBucket, BandEdges) {
    const std::pair<int, int> cases[] = {{0, 0},  {1, 1},   {4, 1},   {5, 2},  {10, 2},
                                         {11, 3}, {19, 3},  {20, 4},  {49, 4}, {50, 5},
                                         {99, 5}, {100, 6}, {150, 6}, {-1, 6}};
    for (const auto &[level, bucket] : cases)
        EXPECT_EQ(skillBucket(level), bucket) << "level " << level;
}

} // namespace
