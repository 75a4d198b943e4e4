// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/hero_model.h"

#include <string>

class GasDocument;

// The hero's values as a party document holds them, read and checked before any is applied.
struct HeroValues {
    std::string name;
    HeroModel model = HeroModel::Unknown;
    int gold = 0;
    long double melee = 0, ranged = 0, nature = 0, combat = 0;
    long double uberExperience = 0;
    long double strength = 0, dexterity = 0, intelligence = 0;
};

// Reads member 0 of the party document, in the order the game's keys are checked. Throws
// GasPathError for a missing block, ConvertError "'%s' is not a valid integer value" for the
// gold and "'%s' is not a valid floating point value" for an experience value.
HeroValues readHeroValues(const GasDocument &party);

// A decimal 32-bit integer with an optional sign; anything else throws ConvertError
// "'%s' is not a valid integer value".
int parseGold(const std::string &text);

// The Gas path of a key of party member 0, e.g. memberPath("skills\rmelee_xp").
std::string memberPath(const std::string &key);
