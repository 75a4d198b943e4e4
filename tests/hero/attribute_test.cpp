// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/attribute.h"
#include "hero/experience.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

long double entry(int level) {
    return static_cast<long double>(experienceTable[level]);
}
const long double top = entry(maxLevel);

// A melee skill that counts its change notifications.
struct CountedSkill {
    CountedSkill() {
        skill.onChange = [this](Skill &) { ++changes; };
    }
    Skill skill{meleeShares};
    int changes = 0;
};

TEST(Attribute, FreshObjectsShowTheirMinimum) {
    const Stat stat;
    const Skill skill;
    EXPECT_EQ(stat.level(), 10);
    EXPECT_EQ(skill.level(), 0);
    EXPECT_EQ(stat.percentOfLevel(), 0);
    EXPECT_EQ(skill.committedPercentOfLevel(), 0);
}

TEST(Attribute, LoadingCommitsWithoutNotifying) {
    CountedSkill counted;
    Skill &skill = counted.skill;
    skill.loadExperience(35);
    EXPECT_EQ(skill.experience(), 35);
    EXPECT_EQ(skill.baseExperience(), 35);
    EXPECT_EQ(skill.delta(), 0);
    EXPECT_EQ(skill.percentOfLevel(), 50);
    skill.loadExperience(3350 + 500);
    EXPECT_EQ(skill.level(), 5);
    EXPECT_EQ(skill.baseLevel(), 5);
    EXPECT_EQ(fractionText(skill.percentOfLevel()), ".3846");
    EXPECT_EQ(skill.committedPercentOfLevel(), skill.percentOfLevel());
    EXPECT_EQ(counted.changes, 0);
}

TEST(Attribute, LoadingKeepsWithinTheTable) {
    Stat stat;
    stat.loadExperience(-500);
    EXPECT_EQ(stat.experience(), 0);
    EXPECT_EQ(stat.baseExperience(), 0);
    EXPECT_EQ(stat.level(), 10);
    stat.loadExperience(1e18L);
    EXPECT_EQ(stat.experience(), top);
    EXPECT_EQ(stat.baseExperience(), top);
    EXPECT_EQ(stat.level(), 160);
    EXPECT_EQ(stat.percentOfLevel(), 0);
}

TEST(Attribute, SettingTheCurrentAmountChangesNothing) {
    CountedSkill counted;
    counted.skill.loadExperience(100);
    counted.skill.setExperience(100);
    EXPECT_EQ(counted.changes, 0);
    counted.skill.setExperience(120);
    counted.skill.setExperience(120);
    EXPECT_EQ(counted.changes, 1);
}

// The current bar and fraction follow the pending amount; the committed bar stays where the
// committed amount is until commit.
TEST(Attribute, PendingAdjustmentCommitAndUndo) {
    CountedSkill counted;
    Skill &skill = counted.skill;
    skill.loadExperience(22000); // start of level 11, span 5800
    skill.setExperience(22000 + 2900);
    EXPECT_EQ(skill.level(), 11);
    EXPECT_EQ(skill.percentOfLevel(), 50);
    EXPECT_EQ(fractionText(skill.percentOfLevel()), ".5");
    EXPECT_EQ(skill.committedPercentOfLevel(), 0);
    skill.commit();
    EXPECT_EQ(skill.committedPercentOfLevel(), 50);

    skill.adjustExperience(150); // halfway into the next level (span 6500)
    EXPECT_EQ(skill.experience(), 27800 + 3250);
    EXPECT_EQ(skill.currentLevel(), 12);
    EXPECT_EQ(skill.baseLevel(), 11);
    EXPECT_EQ(skill.delta(), 27800 + 3250 - 24900);
    EXPECT_FALSE(skill.atLimit());
    skill.undo();
    EXPECT_EQ(skill.experience(), 24900);
    EXPECT_EQ(skill.currentLevel(), 11);
    EXPECT_EQ(skill.delta(), 0);
    EXPECT_EQ(counted.changes, 3);
}

TEST(Attribute, AdjustmentPositions) {
    struct Case {
        long double x, expected;
    };
    // From the start of level 5 (3350, span 1300), committed at the start of level 2.
    const Case cases[] = {
        {0, 3350},
        {100, 4650},
        {250, 6650 + 0.5L * 2800},
        {-30, 3350 + 0.3L * 1300},
        {-130, 2350 + 0.3L * 1000},
        {50, 3350 + 650},
        {100000, top}, // beyond the table: the top amount
    };
    for (const Case &c : cases) {
        Stat stat;
        stat.loadExperience(650);
        stat.setExperience(3350);
        stat.adjustExperience(c.x);
        EXPECT_EQ(stat.experience(), c.expected) << "x " << double(c.x);
        EXPECT_EQ(stat.currentLevel(), levelForExperience(0, c.expected));
    }
}

TEST(Attribute, RequestsBelowTheCommittedAmountStopAtTheFloor) {
    Stat stat;
    stat.loadExperience(2350);
    stat.adjustExperience(-100); // asks for 1450
    EXPECT_EQ(stat.experience(), 2350);
    EXPECT_EQ(stat.delta(), -900);
    EXPECT_TRUE(stat.atLimit());
    EXPECT_EQ(stat.currentLevel(), 4);
    EXPECT_EQ(fractionText(stat.percentOfLevel()), "");

    // A target below level 0 (possible only part-way into level 0) also ends at the floor.
    Stat low;
    low.loadExperience(0);
    low.setExperience(35);
    low.adjustExperience(-120);
    EXPECT_EQ(low.experience(), 0);
    EXPECT_TRUE(low.atLimit());

    // So does a step below level 0 that fails the range test.
    Stat bottom;
    bottom.adjustExperience(-100);
    EXPECT_EQ(bottom.experience(), 0);
    EXPECT_TRUE(bottom.atLimit());

    // Commit clears the flag.
    stat.commit();
    EXPECT_FALSE(stat.atLimit());
    EXPECT_EQ(stat.delta(), 0);
}

TEST(Attribute, AddPercentMovesByPercentUnits) {
    struct Case {
        long double committed, start, dx, expected;
    };
    const Case cases[] = {
        // Within the level and into the next ones.
        {0, 2350 + 100, 30, 2350 + 400},
        {0, 2350 + 100, 150, 3350 + 0.6L * 1300},
        // Down into the previous level: level 4 with p = 10, -30 ends at level 3 plus 80 percent.
        {1450, 2350 + 100, -30, 1450 + 0.8L * 900},
        // Down several levels, in proportion: level 10 + 30 percent, -250 gives level 7 + 80.
        {0, 17100 + 0.3L * 4900, -250, 6650 + 0.8L * 2800},
        {0, 17100, -100, 12950},
        // Never below the committed amount.
        {1450, 2350 + 100, -150, 1450},
        {15000, 17100 + 0.3L * 4900, -250, 15000},
        {0, 35, -60, 0},
    };
    for (const Case &c : cases) {
        Stat stat;
        stat.loadExperience(c.committed);
        stat.setExperience(c.start);
        stat.addPercent(c.dx);
        EXPECT_NEAR(stat.experience(), c.expected, 1e-6)
            << "from " << double(c.start) << " by " << double(c.dx);
        EXPECT_EQ(stat.currentLevel(), levelForExperience(0, stat.experience()));
        EXPECT_GE(stat.experience(), stat.baseExperience());
        EXPECT_EQ(stat.atLimit(), c.expected == c.committed && c.dx < 0);
    }
}

TEST(Attribute, TopLevel) {
    CountedSkill counted;
    Skill &skill = counted.skill;
    skill.loadExperience(entry(149));
    skill.adjustExperience(100);
    EXPECT_EQ(skill.currentLevel(), 150);
    EXPECT_EQ(skill.experience(), top);
    EXPECT_TRUE(skill.atLimit());
    EXPECT_EQ(skill.percentOfLevel(), 0);
    // Further up stays at the top amount.
    skill.adjustExperience(250);
    EXPECT_EQ(skill.experience(), top);
    EXPECT_EQ(skill.currentLevel(), 150);
    // Below the committed amount from level 150: back to the committed level, and told.
    const int before = counted.changes;
    skill.setExperience(entry(149) - 1000);
    EXPECT_EQ(skill.experience(), entry(149));
    EXPECT_EQ(skill.currentLevel(), 149);
    EXPECT_TRUE(skill.atLimit());
    EXPECT_EQ(counted.changes, before + 1);
}

TEST(Attribute, ResetClearsEverything) {
    Stat stat;
    stat.loadExperience(5000);
    stat.setExperience(9000);
    stat.reset();
    EXPECT_EQ(stat.experience(), 0);
    EXPECT_EQ(stat.baseExperience(), 0);
    EXPECT_EQ(stat.delta(), 0);
    EXPECT_EQ(stat.level(), 10);
    EXPECT_EQ(stat.baseLevel(), 0);
    EXPECT_EQ(stat.committedPercentOfLevel(), 0);
    EXPECT_FALSE(stat.atLimit());
}

TEST(Attribute, HandlerExceptionsAreSwallowed) {
    Skill skill{rangedShares};
    skill.onChange = [](Skill &) { throw std::runtime_error("handler failed"); };
    EXPECT_NO_THROW(skill.setExperience(35));
    EXPECT_EQ(skill.experience(), 35);
    EXPECT_EQ(skill.percentOfLevel(), 50);
}

TEST(FractionText, FourDecimalsNeverOne) {
    const std::pair<long double, const char *> cases[] = {
        {0, ""},    {0.004L, ""},      {0.01L, ".0001"},  {10, ".1"},         {25, ".25"},
        {50, ".5"}, {12.34L, ".1234"}, {99.99L, ".9999"}, {99.996L, ".9999"}, {99.9999L, ".9999"}};
    for (const auto &[percent, text] : cases)
        EXPECT_EQ(fractionText(percent), text) << double(percent);
}

} // namespace
