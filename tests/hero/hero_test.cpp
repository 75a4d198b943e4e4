// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/experience.h"
#include "hero/hero.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

long double entry(int level) {
    return static_cast<long double>(experienceTable[level]);
}

// What a window shows of a hero.
struct Shown {
    long double uber;
    std::vector<int> levels;
    std::vector<long double> percents, committedPercents;
    std::string title, name;
    int health, mana;
    bool modified, canUndo;
    bool operator==(const Shown &) const = default;
};

Shown shownOf(const Hero &hero) {
    std::vector<int> levels;
    std::vector<long double> percents, committed;
    for (const Attribute *a : std::initializer_list<const Attribute *>{
             &hero.strength(), &hero.dexterity(), &hero.intelligence(), &hero.melee(),
             &hero.ranged(), &hero.nature(), &hero.combat()}) {
        levels.push_back(a->level());
        percents.push_back(a->percentOfLevel());
        committed.push_back(a->committedPercentOfLevel());
    }
    const HealthAndMana hm = hero.healthAndMana();
    return {hero.uber(), levels,    percents, committed,         hero.title(),
            hero.name(), hm.health, hm.mana,  hero.isModified(), hero.canUndo()};
}

TEST(Hero, ConstructedAtZeroWithMeleeCurrent) {
    Hero hero;
    EXPECT_EQ(&hero.currentSkill(), &hero.melee());
    EXPECT_EQ(hero.uber(), 0);
    EXPECT_FALSE(hero.isModified());
    EXPECT_FALSE(hero.canUndo());
    EXPECT_EQ(hero.strength().level(), 10);
    EXPECT_EQ(hero.title(), "Farmer");
    EXPECT_EQ(hero.skill(SkillKind::Melee), &hero.melee());
    EXPECT_EQ(hero.skill(SkillKind::Ranged), &hero.ranged());
    EXPECT_EQ(hero.skill(SkillKind::Nature), &hero.nature());
    EXPECT_EQ(hero.skill(SkillKind::Combat), &hero.combat());
    EXPECT_EQ(hero.skill(SkillKind::None), nullptr);
}

// The window redraws on each notification: the last one of a step must see all of it.
TEST(Hero, TheLastNotificationOfEachStepSeesItsWholeResult) {
    Hero hero;
    std::vector<Shown> seen;
    hero.onChanged = [&] { seen.push_back(shownOf(hero)); };
    const std::function<void()> steps[] = {
        [&] { hero.melee().adjustExperience(100); },
        [&] { hero.ranged().adjustExperience(250); }, // commits melee
        [&] { hero.undo(); },
        [&] { hero.combat().adjustExperience(1200); },
        [&] { hero.commitCurrent(); },
        [&] { hero.setName("Ann"); },
        [&] { hero.markUnmodified(); },
        [&] { hero.resetToMinimum(); },
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        seen.clear();
        steps[i]();
        ASSERT_FALSE(seen.empty()) << "step " << i;
        EXPECT_TRUE(seen.back() == shownOf(hero)) << "step " << i;
    }
}

TEST(Hero, EachSkillGrowsTheAttributesInItsShares) {
    const struct {
        SkillKind kind;
        long double strength, dexterity, intelligence;
    } cases[] = {{SkillKind::Melee, 64, 27, 9},
                 {SkillKind::Ranged, 25, 62, 13},
                 {SkillKind::Nature, 9, 18, 73},
                 {SkillKind::Combat, 13, 17, 70}};
    for (const auto &c : cases) {
        Hero hero;
        hero.skill(c.kind)->adjustExperience(100); // one uber level
        EXPECT_EQ(hero.uber(), 1);
        EXPECT_NEAR(hero.strength().percentOfLevel(), c.strength, 1e-6);
        EXPECT_NEAR(hero.dexterity().percentOfLevel(), c.dexterity, 1e-6);
        EXPECT_NEAR(hero.intelligence().percentOfLevel(), c.intelligence, 1e-6);
    }
}

TEST(Hero, AttributesFollowTheSkillDownAndBack) {
    Hero hero;
    hero.melee().adjustExperience(300); // to the start of level 3
    EXPECT_EQ(hero.uber(), 3);
    EXPECT_EQ(hero.strength().currentLevel(), 1);
    EXPECT_NEAR(hero.strength().percentOfLevel(), 92, 1e-6);
    EXPECT_NEAR(hero.dexterity().percentOfLevel(), 81, 1e-6);

    // Two levels down in one step: strength falls 128 percent units, through a level start.
    hero.melee().adjustExperience(-200);
    EXPECT_EQ(hero.uber(), 1);
    EXPECT_EQ(hero.strength().currentLevel(), 0);
    EXPECT_NEAR(hero.strength().percentOfLevel(), 64, 1e-6);
    EXPECT_NEAR(hero.dexterity().percentOfLevel(), 27, 1e-6);
    EXPECT_NEAR(hero.intelligence().percentOfLevel(), 9, 1e-6);

    ASSERT_TRUE(hero.canUndo());
    hero.undo();
    EXPECT_EQ(hero.uber(), 0);
    for (const Stat *stat : {&hero.strength(), &hero.dexterity(), &hero.intelligence()})
        EXPECT_EQ(stat->experience(), 0);
    EXPECT_FALSE(hero.canUndo());
}

TEST(Hero, SwitchingSkillCommitsSoUndoDropsOnlyTheNewestPart) {
    Hero hero;
    hero.melee().adjustExperience(300);
    const long double strengthAfterMelee = hero.strength().experience();
    const long double uberAfterMelee = hero.uber();
    hero.ranged().adjustExperience(200);
    EXPECT_EQ(&hero.currentSkill(), &hero.ranged());
    EXPECT_EQ(hero.melee().baseExperience(), entry(3));
    EXPECT_EQ(hero.melee().delta(), 0);
    EXPECT_EQ(hero.strength().baseExperience(), strengthAfterMelee);
    EXPECT_GT(hero.strength().experience(), strengthAfterMelee);

    hero.undo();
    EXPECT_EQ(hero.ranged().experience(), 0);
    EXPECT_EQ(hero.melee().experience(), entry(3));
    EXPECT_EQ(hero.uber(), uberAfterMelee);
    // Back exactly to the committed growth, not below it.
    EXPECT_EQ(hero.strength().experience(), strengthAfterMelee);
    EXPECT_EQ(hero.strength().experience(), hero.strength().baseExperience());
    EXPECT_FALSE(hero.canUndo());
}

TEST(Hero, CommitCurrentMakesThePendingPartCommitted) {
    Hero hero;
    hero.nature().adjustExperience(150);
    hero.commitCurrent();
    EXPECT_FALSE(hero.canUndo());
    EXPECT_EQ(hero.nature().baseExperience(), 70 + 290);
    EXPECT_EQ(hero.intelligence().delta(), 0);
    EXPECT_GT(hero.intelligence().baseExperience(), 0);
    EXPECT_EQ(hero.intelligence().committedPercentOfLevel(), hero.intelligence().percentOfLevel());
    hero.undo(); // nothing pending: nothing changes
    EXPECT_EQ(hero.nature().experience(), 360);
}

TEST(Hero, ThrowingHandlerDoesNotStopTheStep) {
    Hero hero;
    int calls = 0;
    hero.onChanged = [&] {
        ++calls;
        throw std::runtime_error("handler failed");
    };
    hero.melee().adjustExperience(100);
    EXPECT_EQ(hero.uber(), 1);
    EXPECT_TRUE(hero.isModified());
    EXPECT_NEAR(hero.strength().percentOfLevel(), 64, 1e-6);
    hero.setName("Ann");
    EXPECT_EQ(hero.name(), "Ann");
    hero.markUnmodified();
    EXPECT_FALSE(hero.isModified());
    EXPECT_GT(calls, 2);
}

TEST(Hero, ResetToMinimum) {
    Hero hero;
    hero.combat().adjustExperience(500);
    hero.markUnmodified();
    hero.resetToMinimum();
    EXPECT_EQ(hero.uber(), 0);
    EXPECT_EQ(hero.totalExperience(), 0);
    EXPECT_EQ(hero.strength().level(), 10);
    EXPECT_EQ(hero.intelligence().committedPercentOfLevel(), 0);
    EXPECT_EQ(hero.combat().level(), 0);
    EXPECT_EQ(&hero.currentSkill(), &hero.combat());
    EXPECT_TRUE(hero.isModified());
}

TEST(Hero, PropertiesChangeOnlyOnADifferentValue) {
    Hero hero;
    int calls = 0;
    hero.onChanged = [&] { ++calls; };
    hero.setGold(0);
    hero.setName("");
    hero.setModel(HeroModel::Farmboy);
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(hero.isModified());
    hero.setGold(250);
    hero.setName("Ann");
    hero.setName("ann"); // case counts
    hero.setModel(HeroModel::Dwarf);
    EXPECT_EQ(hero.gold(), 250);
    EXPECT_EQ(hero.name(), "ann");
    EXPECT_EQ(hero.model(), HeroModel::Dwarf);
    EXPECT_EQ(hero.title(), "Miner");
    EXPECT_TRUE(hero.isModified());
}

TEST(Hero, HealthAndMana) {
    struct Case {
        int s, d, i, health, mana;
    };
    const Case cases[] = {{10, 10, 10, 49, 30},    {20, 10, 10, 343, 40},
                          {10, 10, 50, 441, 1030}, {10, 20, 10, 147, 70},
                          {9, 9, 9, 441, 0},       {160, 160, 160, 7399, 4530}};
    for (const Case &c : cases) {
        const HealthAndMana hm = Hero::healthAndMana(c.s, c.d, c.i);
        EXPECT_EQ(hm.health, c.health) << c.s << " " << c.d << " " << c.i;
        EXPECT_EQ(hm.mana, c.mana) << c.s << " " << c.d << " " << c.i;
    }
    Hero hero;
    hero.strength().loadExperience(entry(10));
    EXPECT_EQ(hero.healthAndMana().health, 343);
}

TEST(Hero, ClassPatternFollowsTheLeadingSkills) {
    struct Case {
        int melee, ranged, nature, combat, pattern;
    };
    const Case cases[] = {{0, 0, 0, 0, 0}, {12, 0, 3, 15, 7}, {60, 59, 59, 59, 15},
                          {0, 1, 0, 0, 2}, {4, 0, 5, 4, 3},   {100, 150, 99, 120, 12}};
    for (const Case &c : cases) {
        Hero hero;
        hero.melee().loadExperience(entry(c.melee));
        hero.ranged().loadExperience(entry(c.ranged));
        hero.nature().loadExperience(entry(c.nature));
        hero.combat().loadExperience(entry(c.combat));
        EXPECT_EQ(hero.classPattern(), c.pattern)
            << c.melee << " " << c.ranged << " " << c.nature << " " << c.combat;
    }
}

// A store whose portrait n is the one byte n, for n up to 5.
struct NumberedPortraits : PortraitStore {
    ImageBytes builtInPortrait(int number) const override {
        if (number > 5)
            return {};
        return {static_cast<std::uint8_t>(number)};
    }
};

TEST(Hero, BuiltInPortraits) {
    Hero hero;
    hero.loadBuiltInPortrait(0); // no store yet
    EXPECT_TRUE(hero.portrait().empty());
    EXPECT_FALSE(hero.isModified());

    hero.setBuiltInPortraits(std::make_unique<NumberedPortraits>());
    hero.setModel(HeroModel::Dwarf);
    EXPECT_TRUE(hero.portrait().empty()); // an opened hero keeps its portrait
    hero.markUnmodified();
    hero.loadBuiltInPortrait(0);
    EXPECT_EQ(hero.portrait(), ImageBytes{2});
    EXPECT_TRUE(hero.isModified());
    hero.loadBuiltInPortrait(5);
    hero.loadBuiltInPortrait(9); // not in the store
    EXPECT_EQ(hero.portrait(), ImageBytes{5});

    hero.startNew(); // a new hero wears its model's portrait
    EXPECT_EQ(hero.portrait(), ImageBytes{3});
    hero.setModel(HeroModel::Farmgirl);
    EXPECT_EQ(hero.portrait(), ImageBytes{1});
}

} // namespace
