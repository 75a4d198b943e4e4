// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero_values.h"

#include "gas/bowels.h"
#include "hero/convert_error.h"
#include "hero/experience_text.h"

#include <charconv>

std::string MemberPath(const std::string &key) {
    return "party\rmembers\r0\rmember\r" + key;
}

int ParseGold(const std::string &text) {
    const char *first = text.data();
    const char *last = text.data() + text.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    int value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

TDSHeroValues ReadHeroValues(const TBowels &party) {
    auto experience = [&](const char *key) {
        return ParseExperience(party.GetValue(MemberPath(std::string("skills\r") + key)));
    };
    TDSHeroValues values;
    const std::string quoted = party.GetValue(MemberPath("screen_name"));
    values.HeroName = quoted.size() >= 2 ? quoted.substr(1, quoted.size() - 2) : "";
    values.Model = RaceFromTemplate(party.GetValue(MemberPath("template_name")));
    values.Gold = ParseGold(party.GetValue(MemberPath("gold")));
    values.Melee = experience("melee_xp");
    values.Ranged = experience("ranged_xp");
    values.Nature = experience("nature_magic_xp");
    values.Combat = experience("combat_magic_xp");
    values.UberXp = experience("uber_xp");
    values.Strength = experience("strength_xp");
    values.Dexterity = experience("dexterity_xp");
    values.Intelligence = experience("intelligence_xp");
    return values;
}
