// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/hero_model.h"

#include <string>

// The hero's classification title from the levels of melee, ranged, nature and combat and the
// model; female forms for the Farmgirl.
std::string classificationTitle(int melee, int ranged, int nature, int combat, HeroModel model);
