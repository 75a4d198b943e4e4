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
constexpr std::array<TitleRow, 15> Titles = {{
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

std::string ModelTitle(TDSRaces model) {
    switch (model) {
    case dsrFarmboy:
    case dsrFarmgirl:
        return "Farmer";
    case dsrDwarf:
        return "Miner";
    case dsrSkeleton_Good:
        return "Corpse";
    default:
        return "Unknown";
    }
}

} // namespace

std::string ClassificationTitle(int melee, int ranged, int nature, int combat, TDSRaces model) {
    const TDSLeadingSkills leading = LeadingSkills(melee, ranged, nature, combat);
    if (leading.Pattern == 0)
        return ModelTitle(model);
    const Title &title = Titles[leading.Pattern - 1][leading.Bucket - 1];
    if (model == dsrFarmgirl && !title.female.empty())
        return std::string(title.female);
    return std::string(title.male);
}
