// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/documents_folder.h"
#include "hero/experience.h"
#include "hero/hero.h"
#include "tests/hero/fake_displays.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

long double Entry(int level) {
    return static_cast<long double>(ExperienceTable[level]);
}

// Counts each event of a hero and optionally throws from every handler.
struct EventCounter {
    EventCounter(TDSHero &hero, bool throwing = false) {
        const auto handler = [throwing](int &count) {
            return [&count, throwing](TDSHero &) {
                ++count;
                if (throwing)
                    throw std::runtime_error("handler failed");
            };
        };
        hero.OnUberChanged = handler(uber);
        hero.OnModified = handler(modified);
        hero.OnUnmodified = handler(unmodified);
        hero.OnPropChanged = handler(prop);
        hero.OnStatsChanged = handler(stats);
    }
    int uber = 0, modified = 0, unmodified = 0, prop = 0, stats = 0;
};

TEST(Hero, ConstructedAtZeroWithMeleeCurrentInTheDocumentsFolder) {
    const std::string documents = DocumentsFolder();
    SetDocumentsFolder("/home/ann/Documents/");
    TDSHero hero;
    SetDocumentsFolder(documents);
    EXPECT_EQ(hero.Folder(), "/home/ann/Documents/");
    EXPECT_EQ(&hero.CurrentSkill(), &hero.Melee());
    EXPECT_EQ(hero.Uber(), 0);
    EXPECT_FALSE(hero.Modified());
    EXPECT_FALSE(hero.CanUndo());
    EXPECT_EQ(hero.Strength().Level(), 10);
    EXPECT_EQ(hero.SkillOf(dskMelee), &hero.Melee());
    EXPECT_EQ(hero.SkillOf(dskRanged), &hero.Ranged());
    EXPECT_EQ(hero.SkillOf(dskNature), &hero.Nature());
    EXPECT_EQ(hero.SkillOf(dskCombat), &hero.Combat());
    EXPECT_EQ(hero.SkillOf(dskNone), nullptr);
}

TEST(Hero, NotificationOrderOfSkillSteps) {
    std::vector<std::string> log;
    TDSHero hero;
    FakeRow melee("melee", &log), ranged("ranged", &log), strength("strength", &log);
    melee.Bind(hero.Melee());
    ranged.Bind(hero.Ranged());
    strength.Bind(hero.Strength());
    hero.OnUberChanged = [&](TDSHero &) { log.push_back("OnUberChanged"); };
    hero.OnModified = [&](TDSHero &) { log.push_back("OnModified"); };
    hero.OnStatsChanged = [&](TDSHero &) { log.push_back("OnStatsChanged"); };

    hero.Melee().AdjustExperience(100); // level 0 -> 1
    EXPECT_EQ(log, (std::vector<std::string>{
                       "melee.E.visible", "melee.L.width", "melee.lblL.caption", // level
                       "OnUberChanged", "OnModified",                            // hero
                       "strength.D.width", "strength.lblE.caption",              // growth
                       "OnStatsChanged", "melee.D.width", "melee.lblE.caption"}));

    log.clear();
    hero.Ranged().AdjustExperience(50); // a switch of skill within level 0
    EXPECT_EQ(log, (std::vector<std::string>{
                       "OnUberChanged",                          // no second OnModified
                       "melee.E.width", "melee.E.visible",       // commit of melee
                       "strength.E.width", "strength.E.visible", // and of the attributes
                       "strength.D.width", "strength.lblE.caption", "OnStatsChanged",
                       "ranged.D.width", "ranged.lblE.caption"}));
}

TEST(Hero, AttributesGrowByTheSharesAndFollowTheSkillDown) {
    TDSHero hero;
    hero.Melee().AdjustExperience(100); // one uber level
    EXPECT_EQ(hero.Uber(), 1);
    EXPECT_NEAR(hero.Strength().PercentOfLevel(), 64, 1e-6);
    EXPECT_NEAR(hero.Dexterity().PercentOfLevel(), 27, 1e-6);
    EXPECT_NEAR(hero.Intelligence().PercentOfLevel(), 9, 1e-6);

    hero.Melee().AdjustExperience(200); // to the start of level 3
    EXPECT_EQ(hero.Uber(), 3);
    EXPECT_EQ(hero.Strength().CurrentLevel(), 1);
    EXPECT_NEAR(hero.Strength().PercentOfLevel(), 92, 1e-6);
    EXPECT_NEAR(hero.Dexterity().PercentOfLevel(), 81, 1e-6);

    // Two levels down in one step: strength falls 128 percent units, through a level start.
    hero.Melee().AdjustExperience(-200);
    EXPECT_EQ(hero.Uber(), 1);
    EXPECT_EQ(hero.Strength().CurrentLevel(), 0);
    EXPECT_NEAR(hero.Strength().PercentOfLevel(), 64, 1e-6);
    EXPECT_NEAR(hero.Dexterity().PercentOfLevel(), 27, 1e-6);
    EXPECT_NEAR(hero.Intelligence().PercentOfLevel(), 9, 1e-6);

    ASSERT_TRUE(hero.CanUndo());
    hero.Undo();
    EXPECT_EQ(hero.Uber(), 0);
    for (TDSStat *stat : {&hero.Strength(), &hero.Dexterity(), &hero.Intelligence()})
        EXPECT_EQ(stat->Experience(), 0);
    EXPECT_FALSE(hero.CanUndo());
}

TEST(Hero, SwitchingSkillCommitsSoUndoDropsOnlyTheNewestPart) {
    TDSHero hero;
    hero.Melee().AdjustExperience(300);
    const long double strengthAfterMelee = hero.Strength().Experience();
    const long double uberAfterMelee = hero.Uber();
    hero.Ranged().AdjustExperience(200);
    EXPECT_EQ(&hero.CurrentSkill(), &hero.Ranged());
    EXPECT_EQ(hero.Melee().BaseExperience(), Entry(3));
    EXPECT_EQ(hero.Melee().Delta(), 0);
    EXPECT_EQ(hero.Strength().BaseExperience(), strengthAfterMelee);
    EXPECT_GT(hero.Strength().Experience(), strengthAfterMelee);

    hero.Undo();
    EXPECT_EQ(hero.Ranged().Experience(), 0);
    EXPECT_EQ(hero.Melee().Experience(), Entry(3));
    EXPECT_EQ(hero.Uber(), uberAfterMelee);
    // Back exactly to the committed growth, not below it.
    EXPECT_EQ(hero.Strength().Experience(), strengthAfterMelee);
    EXPECT_EQ(hero.Strength().Experience(), hero.Strength().BaseExperience());
    EXPECT_FALSE(hero.CanUndo());
}

TEST(Hero, CommitCurrentMakesThePendingPartCommitted) {
    TDSHero hero;
    hero.Nature().AdjustExperience(150);
    hero.CommitCurrent();
    EXPECT_FALSE(hero.CanUndo());
    EXPECT_EQ(hero.Nature().BaseExperience(), 70 + 290);
    EXPECT_EQ(hero.Intelligence().Delta(), 0);
    EXPECT_GT(hero.Intelligence().BaseExperience(), 0);
    hero.Undo(); // nothing pending: nothing changes
    EXPECT_EQ(hero.Nature().Experience(), 360);
}

TEST(Hero, UberAtTheTopAnnouncesEveryCall) {
    TDSHero hero;
    EventCounter events(hero);
    hero.Kungfu().LoadExperience(1000);
    hero.SetUberExperience(hero.TotalExperience());
    hero.SetUberExperience(hero.TotalExperience());
    EXPECT_EQ(events.uber, 1);
    EXPECT_EQ(events.modified, 1);

    hero.Kungfu().LoadExperience(Entry(150));
    for (int i = 0; i < 3; ++i)
        hero.SetUberExperience(hero.TotalExperience());
    EXPECT_EQ(hero.Uber(), 150);
    EXPECT_EQ(events.uber, 4);
}

TEST(Hero, ThrowingHandlersDoNotStopTheStep) {
    TDSHero hero;
    EventCounter events(hero, true);
    hero.Melee().AdjustExperience(100);
    EXPECT_EQ(hero.Uber(), 1);
    EXPECT_TRUE(hero.Modified());
    EXPECT_NEAR(hero.Strength().PercentOfLevel(), 64, 1e-6);
    EXPECT_EQ(events.uber, 1);
    EXPECT_EQ(events.modified, 1);
    EXPECT_EQ(events.stats, 1);
    hero.SetName("Ann");
    EXPECT_EQ(hero.HeroName(), "Ann");
    EXPECT_EQ(events.prop, 1);
    hero.MarkUnmodified();
    EXPECT_FALSE(hero.Modified());
    EXPECT_EQ(events.unmodified, 1);
}

TEST(Hero, ResetToMinimum) {
    TDSHero hero;
    EventCounter events(hero);
    hero.ResetToMinimum(); // already at uber 0
    EXPECT_EQ(events.uber, 0);
    EXPECT_EQ(events.modified, 1);
    EXPECT_EQ(events.stats, 1);

    hero.Combat().AdjustExperience(500);
    hero.Kungfu().LoadExperience(5000);
    hero.ResetToMinimum();
    EXPECT_EQ(hero.Uber(), 0);
    EXPECT_EQ(hero.TotalExperience(), 0);
    EXPECT_EQ(hero.Strength().Level(), 10);
    EXPECT_EQ(hero.Combat().Level(), 0);
    EXPECT_EQ(&hero.CurrentSkill(), &hero.Combat());
    EXPECT_EQ(events.uber, 2);
}

TEST(Hero, PropertiesNotifyOnlyOnChange) {
    TDSHero hero;
    EventCounter events(hero);
    hero.SetGold(0);
    hero.SetName("");
    hero.SetModel(dsrFarmboy);
    EXPECT_EQ(events.prop, 0);
    EXPECT_FALSE(hero.Modified());
    hero.SetGold(250);
    hero.SetName("Ann");
    hero.SetName("ann"); // case counts
    hero.SetModel(dsrDwarf);
    EXPECT_EQ(hero.Gold(), 250);
    EXPECT_EQ(hero.HeroName(), "ann");
    EXPECT_EQ(hero.Model(), dsrDwarf);
    EXPECT_EQ(events.prop, 4);
    EXPECT_EQ(events.modified, 1);
}

TEST(Hero, HealthAndMana) {
    struct Case {
        int s, d, i, health, mana;
    };
    const Case cases[] = {{10, 10, 10, 49, 30},    {20, 10, 10, 343, 40},
                          {10, 10, 50, 441, 1030}, {10, 20, 10, 147, 70},
                          {9, 9, 9, 441, 0},       {160, 160, 160, 7399, 4530}};
    for (const Case &c : cases) {
        const THealthAndMana hm = TDSHero::HealthAndMana(c.s, c.d, c.i);
        EXPECT_EQ(hm.Health, c.health) << c.s << " " << c.d << " " << c.i;
        EXPECT_EQ(hm.Mana, c.mana) << c.s << " " << c.d << " " << c.i;
    }
}

TEST(Hero, ClassPatternFollowsTheLeadingSkills) {
    struct Case {
        int melee, ranged, nature, combat, pattern;
    };
    const Case cases[] = {{0, 0, 0, 0, 0}, {12, 0, 3, 15, 7}, {60, 59, 59, 59, 15},
                          {0, 1, 0, 0, 2}, {4, 0, 5, 4, 3},   {100, 150, 99, 120, 12}};
    for (const Case &c : cases) {
        TDSHero hero;
        hero.Melee().LoadExperience(Entry(c.melee));
        hero.Ranged().LoadExperience(Entry(c.ranged));
        hero.Nature().LoadExperience(Entry(c.nature));
        hero.Combat().LoadExperience(Entry(c.combat));
        EXPECT_EQ(hero.ClassPattern(), c.pattern)
            << c.melee << " " << c.ranged << " " << c.nature << " " << c.combat;
    }
}

TEST(Hero, RecentHeroes) {
    TDSHero hero;
    hero.SetFolder("/home/ann/Imports/Ann/");
    hero.SetName("Ann");
    hero.Nature().LoadExperience(27800 + 0.7L * 6500); // level 12.7
    hero.SetUberExperience(hero.TotalExperience());
    hero.AddRecentHero();
    ASSERT_EQ(hero.RecentHeros().size(), 1u);
    EXPECT_EQ(hero.RecentHeros()[0], "/home/ann/Imports/Ann/=\"Ann - Level 12 03\"");

    for (int i = 1; i <= 9; ++i) {
        hero.SetFolder("/heroes/h" + std::to_string(i) + "/");
        hero.AddRecentHero();
    }
    ASSERT_EQ(hero.RecentHeros().size(), 9u);
    EXPECT_EQ(hero.RecentHeros()[0].substr(0, 12), "/heroes/h9/=");
    EXPECT_EQ(hero.RecentHeros()[8].substr(0, 12), "/heroes/h1/="); // Ann dropped

    hero.SetFolder("/HEROES/H4/");
    hero.SetName("Bob");
    hero.AddRecentHero();
    ASSERT_EQ(hero.RecentHeros().size(), 9u);
    EXPECT_EQ(hero.RecentHeros()[0], "/HEROES/H4/=\"Bob - Level 12 03\"");
    for (std::size_t i = 1; i < 9; ++i)
        EXPECT_EQ(hero.RecentHeros()[i].find("/heroes/h4/"), std::string::npos);
}

// A store that hands out one byte holding the portrait number.
struct FakeStore : TDSPortraitStore {
    TDSImageData BuiltInPortrait(int number) const override {
        if (number > 5)
            return {};
        return {static_cast<std::uint8_t>(number)};
    }
};

struct FakePortrait : TDSPortraitControl {
    void ShowPortrait(const TDSImageData &image) override { shown.push_back(image.at(0)); }
    void LoadPortraitFile(const std::string &) override {}
    void SavePortraitFile(const std::string &) const override {}
    std::vector<int> shown;
};

TEST(Hero, BuiltInPortrait) {
    TDSHero hero;
    FakePortrait portrait;
    hero.SetPortrait(&portrait);
    hero.LoadBuiltInPortrait(0); // no store yet
    EXPECT_TRUE(portrait.shown.empty());
    EXPECT_FALSE(hero.Modified());

    hero.SetPortraits(std::make_unique<FakeStore>());
    hero.SetModel(dsrDwarf);
    hero.MarkUnmodified();
    hero.LoadBuiltInPortrait(0);
    hero.LoadBuiltInPortrait(5);
    hero.LoadBuiltInPortrait(9); // not in the store
    EXPECT_EQ(portrait.shown, (std::vector<int>{dsrDwarf, 5}));
    EXPECT_TRUE(hero.Modified());

    hero.DropDisplay(static_cast<const TDSPortraitControl *>(&portrait));
    EXPECT_EQ(hero.Portrait(), nullptr);
    hero.LoadBuiltInPortrait(0);
    EXPECT_EQ(portrait.shown.size(), 2u);
}

TEST(Hero, DroppedControlsLeaveEveryObject) {
    TDSHero hero;
    FakeBar bar;
    FakeLabel label;
    hero.Strength().SetBarLevel(&bar);
    hero.Combat().SetBarDelta(&bar);
    hero.Combat().SetLblPct(&label);
    hero.DropDisplay(static_cast<const TDSBarDisplay *>(&bar));
    hero.DropDisplay(static_cast<const TDSLabelDisplay *>(&label));
    EXPECT_EQ(hero.Strength().BarLevel(), nullptr);
    EXPECT_EQ(hero.Combat().BarDelta(), nullptr);
    EXPECT_EQ(hero.Combat().LblPct(), nullptr);
    hero.Combat().AdjustExperience(100);
    EXPECT_EQ(bar.Updates, 0);
    EXPECT_TRUE(label.Captions.empty());
}

} // namespace
