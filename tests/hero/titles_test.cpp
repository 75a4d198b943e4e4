// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/experience.h"
#include "hero/hero.h"
#include "hero/races.h"
#include "hero/titles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

enum Skill { M, R, N, C };
using Leading = std::set<Skill>;

// Titles per leading set, bucket 1..6; "male/female" where the forms differ.
const std::map<Leading, std::array<std::string, 6>> Expected = {
    {{M}, {"Squire", "Soldier", "Warrior", "Knight", "Champion", "Grand Champion"}},
    {{R},
     {"Bowyer", "Archer", "Marksman", "Sharpshooter", "Master Sharpshooter",
      "Grandmaster Sharpshooter"}},
    {{N}, {"Apprentice", "Theurgist", "Magician", "Grand Mage", "Arch mage", "Supreme Arch mage"}},
    {{C},
     {"Savant", "Hedge Wizard", "Wizard", "Sorcerer/Sorceress", "Grand Sorcerer/Grand Sorceress",
      "Grand High Sorcerer/Grand Hige Sorceress"}},
    {{M, R},
     {"Man-At-Arms/Woman-At-Arms", "Skirmisher", "Raider", "Campaigner", "Crusader",
      "Grand Crusader"}},
    {{M, N}, {"Friar", "Curate", "Druid", "Perserver", "Grand Preserver", "Supreme"}},
    {{M, C},
     {"Combatant", "Duelist", "Dragoon", "Warlock/Warwitch", "Grand Warlock/Grand Warwitch",
      "Grand High Warlock/Grand High Warwitch"}},
    {{R, N},
     {"Scout", "Forester", "Ranger", "Warder/Wardess", "Arch Ward/Arch Wardess",
      "Supreme High Ward/Supreme High Wardess"}},
    {{R, C},
     {"Jager", "Conjurer", "Channeler", "Matross", "Master Matross", "Grandmaster Matross"}},
    {{N, C}, {"Acolyte", "Shaman", "Scholar", "Magus", "Grand Magus", "Grand High Magus"}},
    {{M, R, N}, {"Cavalier", "Marshal", "Paladin", "Templar", "Arch Templar", "Supreme Templar"}},
    {{M, R, C},
     {"Mercenary", "Gladiator", "Centurion", "Myrmidon", "Warlord/Warlady",
      "Warlord Noble/Warlady Noble"}},
    {{M, N, C},
     {"Initiate", "Mystic", "Sage", "Deacon/Deaconess", "Grand Deacon/Grand Deaconess",
      "Grand High Deacon/Grand High Deaconess"}},
    {{R, N, C},
     {"Adept", "Conjurer", "Thaumaturgist", "Evoker", "Senior Evoker", "Lord Evoker/Lady Evoker"}},
    {{M, R, N, C},
     {"Freelance", "Journeyman", "Adventurer", "Master", "Grand Master",
      "Grand High Siegemaster/Grand High Siegemistress"}},
};

// The class pattern of each leading set, as the recent-heroes icons number them.
const std::map<Leading, int> Patterns = {
    {{M}, 1},        {{R}, 2},        {{N}, 3},        {{C}, 4},        {{M, R}, 5},
    {{M, N}, 6},     {{M, C}, 7},     {{R, N}, 8},     {{R, C}, 9},     {{N, C}, 10},
    {{M, R, N}, 11}, {{M, R, C}, 12}, {{M, N, C}, 13}, {{R, N, C}, 14}, {{M, R, N, C}, 15}};

std::string Form(const std::string &forms, bool female) {
    const auto slash = forms.find('/');
    if (slash == std::string::npos)
        return forms;
    return female ? forms.substr(slash + 1) : forms.substr(0, slash);
}

// Lowest and highest level of each bucket 0..6.
const std::pair<int, int> BucketEdges[] = {{0, 0},   {1, 4},   {5, 10},   {11, 19},
                                           {20, 49}, {50, 99}, {100, 150}};

TEST(ClassificationTitle, EveryLeadingSetAtItsBucketEdgesInBothForms) {
    for (const auto &[leading, titles] : Expected) {
        for (int bucket = 1; bucket <= 6; ++bucket) {
            for (int edge = 0; edge < 2; ++edge) {
                int levels[4];
                for (int skill = 0; skill < 4; ++skill) {
                    const bool leads = leading.count(Skill(skill)) != 0;
                    // Non-leading skills sit at the top of the bucket just below.
                    levels[skill] =
                        leads ? (edge ? BucketEdges[bucket].second : BucketEdges[bucket].first)
                              : BucketEdges[bucket - 1].second;
                }
                for (TDSRaces model :
                     {dsrFarmboy, dsrFarmgirl, dsrDwarf, dsrSkeleton_Good, dsrUnknown}) {
                    const std::string title =
                        ClassificationTitle(levels[0], levels[1], levels[2], levels[3], model);
                    EXPECT_EQ(title, Form(titles[bucket - 1], model == dsrFarmgirl))
                        << "levels " << levels[0] << " " << levels[1] << " " << levels[2] << " "
                        << levels[3] << " model " << int(model);
                }
                TDSHero hero;
                TDSAttribute *skills[] = {&hero.Melee(), &hero.Ranged(), &hero.Nature(),
                                          &hero.Combat()};
                for (int skill = 0; skill < 4; ++skill)
                    skills[skill]->LoadExperience(
                        static_cast<long double>(ExperienceTable[levels[skill]]));
                EXPECT_EQ(hero.ClassPattern(), Patterns.at(leading));
            }
        }
    }
}

TEST(ClassificationTitle, ByModelWhenNoSkillHasALevel) {
    EXPECT_EQ(ClassificationTitle(0, 0, 0, 0, dsrFarmboy), "Farmer");
    EXPECT_EQ(ClassificationTitle(0, 0, 0, 0, dsrFarmgirl), "Farmer");
    EXPECT_EQ(ClassificationTitle(0, 0, 0, 0, dsrDwarf), "Miner");
    EXPECT_EQ(ClassificationTitle(0, 0, 0, 0, dsrSkeleton_Good), "Corpse");
    EXPECT_EQ(ClassificationTitle(0, 0, 0, 0, dsrUnknown), "Unknown");
    EXPECT_EQ(ClassificationTitle(0, 0, 0, 0, TDSRaces(9)), "Unknown");
}

TEST(ClassificationTitle, Examples) {
    EXPECT_EQ(ClassificationTitle(1, 0, 0, 0, dsrFarmboy), "Squire");
    EXPECT_EQ(ClassificationTitle(4, 0, 0, 1, dsrFarmboy), "Combatant");
    EXPECT_EQ(ClassificationTitle(5, 0, 0, 4, dsrFarmboy), "Soldier");
    EXPECT_EQ(ClassificationTitle(20, 49, 19, 0, dsrFarmboy), "Campaigner");
    EXPECT_EQ(ClassificationTitle(20, 49, 20, 0, dsrFarmboy), "Templar");
    EXPECT_EQ(ClassificationTitle(0, 0, 0, 100, dsrFarmgirl), "Grand Hige Sorceress");
    EXPECT_EQ(ClassificationTitle(0, 0, 0, 100, dsrDwarf), "Grand High Sorcerer");
    EXPECT_EQ(ClassificationTitle(150, 150, 150, 150, dsrFarmboy), "Grand High Siegemaster");
    EXPECT_EQ(ClassificationTitle(150, 150, 150, 150, dsrFarmgirl), "Grand High Siegemistress");
}

TEST(Races, FromTemplateText) {
    const std::pair<const char *, TDSRaces> cases[] = {{"skeleton_good", dsrSkeleton_Good},
                                                       {"SKELETON_GOOD", dsrSkeleton_Good},
                                                       {"Skeleton_Good", dsrSkeleton_Good},
                                                       {"sKeLeToN_gOoD", dsrSkeleton_Good},
                                                       {"farmboy", dsrFarmboy},
                                                       {"FarmGirl", dsrFarmgirl},
                                                       {"DWARF", dsrDwarf},
                                                       {"farmboy2", dsrUnknown},
                                                       {"farm", dsrUnknown},
                                                       {" dwarf", dsrUnknown},
                                                       {"", dsrUnknown},
                                                       {"krug", dsrUnknown},
                                                       {"unknown", dsrUnknown}};
    for (const auto &[text, model] : cases)
        EXPECT_EQ(RaceFromTemplate(text), model) << text;
}

TEST(Races, TemplateNamesReadBack) {
    EXPECT_EQ(RaceTemplateName(dsrFarmboy), "Farmboy");
    EXPECT_EQ(RaceTemplateName(dsrFarmgirl), "Farmgirl");
    EXPECT_EQ(RaceTemplateName(dsrDwarf), "Dwarf");
    EXPECT_EQ(RaceTemplateName(dsrSkeleton_Good), "Skeleton_Good");
    EXPECT_EQ(RaceTemplateName(dsrUnknown), "Unknown");
    for (TDSRaces model : {dsrFarmboy, dsrFarmgirl, dsrDwarf, dsrSkeleton_Good})
        EXPECT_EQ(RaceFromTemplate(RaceTemplateName(model)), model);
}

} // namespace
