// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/races.h"

#include <string>

// The hero's classification title from the levels of melee, ranged, nature and combat and the
// model; female forms for dsrFarmgirl.
std::string ClassificationTitle(int melee, int ranged, int nature, int combat, TDSRaces model);
