// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero_values.h"

#include "gas/gas_document.h"
#include "hero/convert_error.h"
#include "hero/experience_text.h"

#include <charconv>

std::string memberPath(const std::string &key) {
    return "party\rmembers\r0\rmember\r" + key;
}

int parseGold(const std::string &text) {
    const char *first = text.data();
    const char *last = text.data() + text.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    int value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
        throw ConvertError("'" + text + "' is not a valid integer value");
    return value;
}

HeroValues readHeroValues(const GasDocument &party) {
    auto experience = [&](const char *key) {
        return parseExperience(party.value(memberPath(std::string("skills\r") + key)));
    };
    HeroValues values;
    const std::string quoted = party.value(memberPath("screen_name"));
    values.name = quoted.size() >= 2 ? quoted.substr(1, quoted.size() - 2) : "";
    values.model = modelFromTemplate(party.value(memberPath("template_name")));
    values.gold = parseGold(party.value(memberPath("gold")));
    values.melee = experience("melee_xp");
    values.ranged = experience("ranged_xp");
    values.nature = experience("nature_magic_xp");
    values.combat = experience("combat_magic_xp");
    values.uberExperience = experience("uber_xp");
    values.strength = experience("strength_xp");
    values.dexterity = experience("dexterity_xp");
    values.intelligence = experience("intelligence_xp");
    return values;
}
