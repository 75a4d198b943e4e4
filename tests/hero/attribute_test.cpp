// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/attribute.h"
#include "hero/experience.h"
#include "tests/hero/fake_displays.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

long double Entry(int level) {
    return static_cast<long double>(ExperienceTable[level]);
}
const long double Top = Entry(150);

// A skill that counts its change notifications.
struct CountedSkill {
    CountedSkill() {
        skill.OnChange = [this](TDSSkill &) { ++changes; };
    }
    TDSMelee skill;
    int changes = 0;
};

TEST(Attribute, FreshObjectsShowTheirMinimum) {
    TDSStat stat;
    TDSMelee skill;
    EXPECT_EQ(stat.Level(), 10);
    EXPECT_EQ(skill.Level(), 0);
    EXPECT_EQ(stat.PercentOfLevel(), 0);
    EXPECT_EQ(skill.PercentOfLevel(), 0);
    EXPECT_TRUE(skill.Active());
}

TEST(Attribute, SharesOfEachSkillClass) {
    const TDSSkill base;
    const TDSMelee melee;
    const TDSRanged ranged;
    const TDSNature nature;
    const TDSCombat combat;
    const struct {
        const TDSSkill &skill;
        double s, d, i;
    } cases[] = {{base, 0.34, 0.33, 0.33},
                 {melee, 0.64, 0.27, 0.09},
                 {ranged, 0.25, 0.62, 0.13},
                 {nature, 0.09, 0.18, 0.73},
                 {combat, 0.13, 0.17, 0.70}};
    for (const auto &c : cases) {
        EXPECT_EQ(c.skill.StrengthShare(), c.s);
        EXPECT_EQ(c.skill.DexterityShare(), c.d);
        EXPECT_EQ(c.skill.IntelligenceShare(), c.i);
    }
}

TEST(Attribute, LoadingCommitsWithoutNotifying) {
    CountedSkill counted;
    TDSMelee &skill = counted.skill;
    FakeRow row;
    row.Bind(skill);
    skill.LoadExperience(35);
    EXPECT_EQ(skill.Experience(), 35);
    EXPECT_EQ(skill.CurrentLevel(), 0);
    EXPECT_EQ(skill.PercentOfLevel(), 50);
    EXPECT_EQ(skill.BaseLevel(), 0);
    EXPECT_EQ(skill.BaseExperience(), 35);
    EXPECT_EQ(skill.Delta(), 0);
    EXPECT_EQ(counted.changes, 0);
    EXPECT_TRUE(skill.Active());
    // Only the final refresh reaches the displays.
    skill.LoadExperience(3350 + 500);
    EXPECT_EQ(row.LevelLabel.Captions, (std::vector<std::string>{"0", "5"}));
    EXPECT_EQ(row.PctLabel.Captions, (std::vector<std::string>{".5", ".3846"}));
    EXPECT_EQ(row.Level.Width, row.Level.LevelToWidth(5));
    EXPECT_TRUE(row.Experience.Visible);
}

TEST(Attribute, LoadingKeepsWithinTheTable) {
    TDSStat stat;
    stat.LoadExperience(-500);
    EXPECT_EQ(stat.Experience(), 0);
    EXPECT_EQ(stat.BaseExperience(), 0);
    EXPECT_EQ(stat.Level(), 10);
    stat.LoadExperience(1e18L);
    EXPECT_EQ(stat.Experience(), Top);
    EXPECT_EQ(stat.BaseExperience(), Top);
    EXPECT_EQ(stat.CurrentLevel(), 150);
    EXPECT_EQ(stat.Level(), 160);
    EXPECT_EQ(stat.PercentOfLevel(), 0);
}

TEST(Attribute, SettingTheCurrentAmountChangesNothing) {
    CountedSkill counted;
    counted.skill.LoadExperience(100);
    counted.skill.SetExperience(100);
    EXPECT_EQ(counted.changes, 0);
    counted.skill.SetExperience(120);
    EXPECT_EQ(counted.changes, 1);
    counted.skill.SetExperience(120);
    EXPECT_EQ(counted.changes, 1);
}

TEST(Attribute, PendingAdjustmentAndUndo) {
    CountedSkill counted;
    TDSMelee &skill = counted.skill;
    FakeRow row;
    row.Bind(skill);
    skill.LoadExperience(2350); // start of level 4
    skill.AdjustExperience(100);
    EXPECT_EQ(skill.Experience(), 3350);
    EXPECT_EQ(skill.CurrentLevel(), 5);
    EXPECT_EQ(skill.BaseLevel(), 4);
    EXPECT_EQ(skill.Delta(), 1000);
    EXPECT_FALSE(skill.AtLimit());
    EXPECT_FALSE(row.Experience.Visible);
    EXPECT_EQ(row.LevelLabel.Caption(), "5");
    skill.Undo();
    EXPECT_EQ(skill.Experience(), 2350);
    EXPECT_EQ(skill.CurrentLevel(), 4);
    EXPECT_EQ(skill.Delta(), 0);
    EXPECT_TRUE(row.Experience.Visible);
    EXPECT_EQ(counted.changes, 2);
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
        {100000, Top}, // beyond the table: the top amount
    };
    for (const Case &c : cases) {
        TDSStat stat;
        stat.LoadExperience(650);
        stat.SetExperience(3350);
        stat.AdjustExperience(c.x);
        EXPECT_EQ(stat.Experience(), c.expected) << "x " << double(c.x);
        EXPECT_EQ(stat.CurrentLevel(), LevelForExperience(0, c.expected));
    }
}

TEST(Attribute, RequestsBelowTheCommittedAmountStopAtTheFloor) {
    TDSStat stat;
    FakeRow row;
    row.Bind(stat);
    stat.LoadExperience(2350);
    stat.AdjustExperience(-100); // asks for 1450
    EXPECT_EQ(stat.Experience(), 2350);
    EXPECT_EQ(stat.Delta(), -900);
    EXPECT_TRUE(stat.AtLimit());
    EXPECT_EQ(stat.CurrentLevel(), 4);
    EXPECT_EQ(row.PctLabel.Caption(), "");

    // A target below level 0 (possible only part-way into level 0) also ends at the floor.
    TDSStat low;
    low.LoadExperience(0);
    low.SetExperience(35);
    low.AdjustExperience(-120);
    EXPECT_EQ(low.Experience(), 0);
    EXPECT_TRUE(low.AtLimit());

    // So does a step below level 0 that fails the range test.
    TDSStat bottom;
    bottom.AdjustExperience(-100);
    EXPECT_EQ(bottom.Experience(), 0);
    EXPECT_TRUE(bottom.AtLimit());

    // Commit clears the flag.
    stat.Commit();
    EXPECT_FALSE(stat.AtLimit());
    EXPECT_EQ(stat.Delta(), 0);
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
        TDSStat stat;
        stat.LoadExperience(c.committed);
        stat.SetExperience(c.start);
        stat.AddPercent(c.dx);
        EXPECT_NEAR(stat.Experience(), c.expected, 1e-6)
            << "from " << double(c.start) << " by " << double(c.dx);
        EXPECT_EQ(stat.CurrentLevel(), LevelForExperience(0, stat.Experience()));
        EXPECT_GE(stat.Experience(), stat.BaseExperience());
        EXPECT_EQ(stat.AtLimit(), c.expected == c.committed && c.dx < 0);
    }
}

TEST(Attribute, TopLevel) {
    CountedSkill counted;
    TDSMelee &skill = counted.skill;
    skill.LoadExperience(Entry(149));
    skill.AdjustExperience(100);
    EXPECT_EQ(skill.CurrentLevel(), 150);
    EXPECT_EQ(skill.Experience(), Top);
    EXPECT_TRUE(skill.AtLimit());
    EXPECT_EQ(skill.PercentOfLevel(), 0);
    // Further up stays at the top amount.
    skill.AdjustExperience(250);
    EXPECT_EQ(skill.Experience(), Top);
    EXPECT_EQ(skill.CurrentLevel(), 150);
    // Below the committed amount from level 150: back to the committed level, and told.
    const int before = counted.changes;
    skill.SetExperience(Entry(149) - 1000);
    EXPECT_EQ(skill.Experience(), Entry(149));
    EXPECT_EQ(skill.CurrentLevel(), 149);
    EXPECT_TRUE(skill.AtLimit());
    EXPECT_EQ(counted.changes, before + 1);
}

TEST(Attribute, ResetClearsEverythingButActivity) {
    CountedSkill counted;
    FakeRow row;
    row.Bind(counted.skill);
    counted.skill.LoadExperience(5000);
    counted.skill.SetExperience(9000);
    counted.skill.Reset();
    EXPECT_EQ(counted.skill.Experience(), 0);
    EXPECT_EQ(counted.skill.BaseExperience(), 0);
    EXPECT_EQ(counted.skill.Delta(), 0);
    EXPECT_EQ(counted.skill.CurrentLevel(), 0);
    EXPECT_EQ(counted.skill.BaseLevel(), 0);
    EXPECT_FALSE(counted.skill.AtLimit());
    EXPECT_EQ(counted.changes, 1);
    EXPECT_EQ(row.LevelLabel.Caption(), "0");
    EXPECT_EQ(row.Level.Width, 1);
    EXPECT_EQ(row.Delta.Width, 0);
}

TEST(Attribute, DisplaysFollowCommittedAndCurrentPositions) {
    TDSStat stat;
    FakeRow row;
    row.Bind(stat);
    stat.LoadExperience(0);
    EXPECT_EQ(row.LevelLabel.Caption(), "10");
    EXPECT_EQ(row.Level.Width, 14); // the displayed level, not the table level
    stat.LoadExperience(22000);     // start of level 11, span 5800
    EXPECT_EQ(row.LevelLabel.Caption(), "21");
    EXPECT_EQ(row.Experience.Width, 0);
    stat.SetExperience(22000 + 2900);
    EXPECT_EQ(row.Delta.Width, 100);
    EXPECT_EQ(row.PctLabel.Caption(), ".5");
    EXPECT_EQ(row.Experience.Width, 0); // still the committed position
    EXPECT_TRUE(row.Experience.Visible);
    stat.Commit();
    EXPECT_EQ(row.Experience.Width, 100);
    stat.SetExperience(22000 + 5800 + 100);
    EXPECT_FALSE(row.Experience.Visible);
    EXPECT_EQ(row.LevelLabel.Caption(), "22");
}

TEST(Attribute, HandlerExceptionsAreSwallowed) {
    TDSRanged skill;
    FakeLabel pct;
    skill.SetLblPct(&pct);
    skill.OnChange = [](TDSSkill &) { throw std::runtime_error("handler failed"); };
    EXPECT_NO_THROW(skill.SetExperience(35));
    EXPECT_EQ(skill.Experience(), 35);
    EXPECT_EQ(pct.Caption(), ".5"); // the step went on after the handler
}

TEST(Attribute, DroppedDisplaysAreNoLongerTouched) {
    TDSStat stat;
    FakeBar shared;
    FakeLabel label;
    stat.SetBarExperience(&shared);
    stat.SetBarDelta(&shared);
    stat.SetLblLevel(&label);
    stat.SetLblPct(&label);
    stat.DropDisplay(&shared);
    stat.DropDisplay(&label);
    EXPECT_EQ(stat.BarExperience(), nullptr);
    EXPECT_EQ(stat.BarDelta(), nullptr);
    EXPECT_EQ(stat.LblLevel(), nullptr);
    EXPECT_EQ(stat.LblPct(), nullptr);
    stat.LoadExperience(1000);
    EXPECT_EQ(shared.Updates, 0);
    EXPECT_TRUE(label.Captions.empty());
}

TEST(FractionText, FourDecimalsNeverOne) {
    const std::pair<long double, const char *> cases[] = {
        {0, ""},    {0.004L, ""},      {0.01L, ".0001"},  {10, ".1"},         {25, ".25"},
        {50, ".5"}, {12.34L, ".1234"}, {99.99L, ".9999"}, {99.996L, ".9999"}, {99.9999L, ".9999"}};
    for (const auto &[percent, text] : cases)
        EXPECT_EQ(FractionText(percent), text) << double(percent);
}

} // namespace
