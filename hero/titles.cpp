// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/titles.h"

#include "hero/leading_skills.h"

#include <array>
#include <string_view>

namespace {

// A title with an optional female form.
struct Title {
    std::string_view male;
    std::string_view female = {};
};

// Rows by class pattern 1..15, columns by the leading bucket 1..6.
using TitleRow = std::array<Title, 6>;
constexpr std::array<TitleRow, 15> titles = {{
    {{{"Squire"}, {"Soldier"}, {"Warrior"}, {"Knight"}, {"Champion"}, {"Grand Champion"}}},
    {{{"Bowyer"},
      {"Archer"},
      {"Marksman"},
      {"Sharpshooter"},
      {"Master Sharpshooter"},
      {"Grandmaster Sharpshooter"}}},
    {{{"Apprentice"},
      {"Theurgist"},
      {"Magician"},
      {"Grand Mage"},
      {"Arch mage"},
      {"Supreme Arch mage"}}},
    {{{"Savant"},
      {"Hedge Wizard"},
      {"Wizard"},
      {"Sorcerer", "Sorceress"},
      {"Grand Sorcerer", "Grand Sorceress"},
      {"Grand High Sorcerer", "Grand Hige Sorceress"}}},
    {{{"Man-At-Arms", "Woman-At-Arms"},
      {"Skirmisher"},
      {"Raider"},
      {"Campaigner"},
      {"Crusader"},
      {"Grand Crusader"}}},
    {{{"Friar"}, {"Curate"}, {"Druid"}, {"Perserver"}, {"Grand Preserver"}, {"Supreme"}}},
    {{{"Combatant"},
      {"Duelist"},
      {"Dragoon"},
      {"Warlock", "Warwitch"},
      {"Grand Warlock", "Grand Warwitch"},
      {"Grand High Warlock", "Grand High Warwitch"}}},
    {{{"Scout"},
      {"Forester"},
      {"Ranger"},
      {"Warder", "Wardess"},
      {"Arch Ward", "Arch Wardess"},
      {"Supreme High Ward", "Supreme High Wardess"}}},
    {{{"Jager"},
      {"Conjurer"},
      {"Channeler"},
      {"Matross"},
      {"Master Matross"},
      {"Grandmaster Matross"}}},
    {{{"Acolyte"}, {"Shaman"}, {"Scholar"}, {"Magus"}, {"Grand Magus"}, {"Grand High Magus"}}},
    {{{"Cavalier"}, {"Marshal"}, {"Paladin"}, {"Templar"}, {"Arch Templar"}, {"Supreme Templar"}}},
    {{{"Mercenary"},
      {"Gladiator"},
      {"Centurion"},
      {"Myrmidon"},
      {"Warlord", "Warlady"},
      {"Warlord Noble", "Warlady Noble"}}},
    {{{"Initiate"},
      {"Mystic"},
      {"Sage"},
      {"Deacon", "Deaconess"},
      {"Grand Deacon", "Grand Deaconess"},
      {"Grand High Deacon", "Grand High Deaconess"}}},
    {{{"Adept"},
      {"Conjurer"},
      {"Thaumaturgist"},
      {"Evoker"},
      {"Senior Evoker"},
      {"Lord Evoker", "Lady Evoker"}}},
    {{{"Freelance"},
      {"Journeyman"},
      {"Adventurer"},
      {"Master"},
      {"Grand Master"},
      {"Grand High Siegemaster", "Grand High Siegemistress"}}},
}};

std::string modelTitle(HeroModel model) {
    switch (model) {
    case HeroModel::Farmboy:
    case HeroModel::Farmgirl:
        return "Farmer";
    case HeroModel::Dwarf:
        return "Miner";
    case HeroModel::SkeletonGood:
        return "Corpse";
    case HeroModel::Unknown:
        break;
    }
    return "Unknown";
}

} // namespace

std::string classificationTitle(int melee, int ranged, int nature, int combat, HeroModel model) {
    const LeadingSkills leading = leadingSkills(melee, ranged, nature, combat);
    if (leading.pattern == 0)
        return modelTitle(model);
    const Title &title = titles[leading.pattern - 1][leading.bucket - 1];
    if (model == HeroModel::Farmgirl && !title.female.empty())
        return std::string(title.female);
    return std::string(title.male);
}
