// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/races.h"

#include <string>

class TBowels;

// The hero's values as a party document holds them, read and checked before any is applied.
struct TDSHeroValues {
    std::string HeroName;
    TDSRaces Model = dsrUnknown;
    int Gold = 0;
    long double Melee = 0, Ranged = 0, Nature = 0, Combat = 0;
    long double UberXp = 0;
    long double Strength = 0, Dexterity = 0, Intelligence = 0;
};

// Reads member 0 of the party document, in the order the game's keys are checked. Throws
// EListError for a missing block, EConvertError "'%s' is not a valid integer value" for the
// gold and "'%s' is not a valid floating point value" for an experience value.
TDSHeroValues ReadHeroValues(const TBowels &party);

// A decimal 32-bit integer with an optional sign; anything else throws EConvertError
// "'%s' is not a valid integer value".
int ParseGold(const std::string &text);

// The Gas path of a key of party member 0, e.g. MemberPath("skills\rmelee_xp").
std::string MemberPath(const std::string &key);
