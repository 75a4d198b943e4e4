// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/experience.h"
#include "hero/hero.h"
#include "hero/hero_model.h"
#include "hero/titles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

enum Leader { M, R, N, C };
using Leading = std::set<Leader>;

// Titles per leading set, bucket 1..6; "male/female" where the forms differ.
const std::map<Leading, std::array<std::string, 6>> expectedTitles = {
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
const std::map<Leading, int> patterns = {
    {{M}, 1},        {{R}, 2},        {{N}, 3},        {{C}, 4},        {{M, R}, 5},
    {{M, N}, 6},     {{M, C}, 7},     {{R, N}, 8},     {{R, C}, 9},     {{N, C}, 10},
    {{M, R, N}, 11}, {{M, R, C}, 12}, {{M, N, C}, 13}, {{R, N, C}, 14}, {{M, R, N, C}, 15}};

std::string form(const std::string &forms, bool female) {
    const auto slash = forms.find('/');
    if (slash == std::string::npos)
        return forms;
    return female ? forms.substr(slash + 1) : forms.substr(0, slash);
}

// Lowest and highest level of each bucket 0..6.
const std::pair<int, int> bucketEdges[] = {{0, 0},   {1, 4},   {5, 10},   {11, 19},
                                           {20, 49}, {50, 99}, {100, 150}};

TEST(ClassificationTitle, EveryLeadingSetAtItsBucketEdgesInBothForms) {
    for (const auto &[leading, titles] : expectedTitles) {
        for (int bucket = 1; bucket <= 6; ++bucket) {
            for (int edge = 0; edge < 2; ++edge) {
                int levels[4];
                for (int skill = 0; skill < 4; ++skill) {
                    const bool leads = leading.count(Leader(skill)) != 0;
                    // Non-leading skills sit at the top of the bucket just below.
                    levels[skill] =
                        leads ? (edge ? bucketEdges[bucket].second : bucketEdges[bucket].first)
                              : bucketEdges[bucket - 1].second;
                }
                for (HeroModel model : {HeroModel::Farmboy, HeroModel::Farmgirl, HeroModel::Dwarf,
                                        HeroModel::SkeletonGood, HeroModel::Unknown}) {
                    const std::string title =
                        classificationTitle(levels[0], levels[1], levels[2], levels[3], model);
                    EXPECT_EQ(title, form(titles[bucket - 1], model == HeroModel::Farmgirl))
                        << "levels " << levels[0] << " " << levels[1] << " " << levels[2] << " "
                        << levels[3] << " model " << int(model);
                }
                Hero hero;
                Attribute *skills[] = {&hero.melee(), &hero.ranged(), &hero.nature(),
                                       &hero.combat()};
                for (int skill = 0; skill < 4; ++skill)
                    skills[skill]->loadExperience(
                        static_cast<long double>(experienceTable[levels[skill]]));
                EXPECT_EQ(hero.classPattern(), patterns.at(leading));
            }
        }
    }
}

TEST(ClassificationTitle, ByModelWhenNoSkillHasALevel) {
    EXPECT_EQ(classificationTitle(0, 0, 0, 0, HeroModel::Farmboy), "Farmer");
    EXPECT_EQ(classificationTitle(0, 0, 0, 0, HeroModel::Farmgirl), "Farmer");
    EXPECT_EQ(classificationTitle(0, 0, 0, 0, HeroModel::Dwarf), "Miner");
    EXPECT_EQ(classificationTitle(0, 0, 0, 0, HeroModel::SkeletonGood), "Corpse");
    EXPECT_EQ(classificationTitle(0, 0, 0, 0, HeroModel::Unknown), "Unknown");
    EXPECT_EQ(classificationTitle(0, 0, 0, 0, static_cast<HeroModel>(9)), "Unknown");
}

TEST(ClassificationTitle, Examples) {
    EXPECT_EQ(classificationTitle(1, 0, 0, 0, HeroModel::Farmboy), "Squire");
    EXPECT_EQ(classificationTitle(4, 0, 0, 1, HeroModel::Farmboy), "Combatant");
    EXPECT_EQ(classificationTitle(5, 0, 0, 4, HeroModel::Farmboy), "Soldier");
    EXPECT_EQ(classificationTitle(20, 49, 19, 0, HeroModel::Farmboy), "Campaigner");
    EXPECT_EQ(classificationTitle(20, 49, 20, 0, HeroModel::Farmboy), "Templar");
    EXPECT_EQ(classificationTitle(0, 0, 0, 100, HeroModel::Farmgirl), "Grand Hige Sorceress");
    EXPECT_EQ(classificationTitle(0, 0, 0, 100, HeroModel::Dwarf), "Grand High Sorcerer");
    EXPECT_EQ(classificationTitle(150, 150, 150, 150, HeroModel::Farmboy),
              "Grand High Siegemaster");
    EXPECT_EQ(classificationTitle(150, 150, 150, 150, HeroModel::Farmgirl),
              "Grand High Siegemistress");
}

TEST(ModelNames, FromTemplateTextAndBack) {
    const std::pair<const char *, HeroModel> cases[] = {{"skeleton_good", HeroModel::SkeletonGood},
                                                        {"SKELETON_GOOD", HeroModel::SkeletonGood},
                                                        {"sKeLeToN_gOoD", HeroModel::SkeletonGood},
                                                        {"farmboy", HeroModel::Farmboy},
                                                        {"FarmGirl", HeroModel::Farmgirl},
                                                        {"DWARF", HeroModel::Dwarf},
                                                        {"farmboy2", HeroModel::Unknown},
                                                        {"farm", HeroModel::Unknown},
                                                        {" dwarf", HeroModel::Unknown},
                                                        {"", HeroModel::Unknown},
                                                        {"unknown", HeroModel::Unknown}};
    for (const auto &[text, model] : cases)
        EXPECT_EQ(modelFromTemplate(text), model) << text;
    // The names a saved party file gets.
    const std::pair<HeroModel, const char *> names[] = {{HeroModel::Farmboy, "Farmboy"},
                                                        {HeroModel::Farmgirl, "Farmgirl"},
                                                        {HeroModel::Dwarf, "Dwarf"},
                                                        {HeroModel::SkeletonGood, "Skeleton_Good"},
                                                        {HeroModel::Unknown, "Unknown"}};
    for (const auto &[model, name] : names) {
        EXPECT_EQ(modelTemplateName(model), name);
        if (model != HeroModel::Unknown) {
            EXPECT_EQ(modelFromTemplate(name), model);
        }
    }
}

} // namespace
