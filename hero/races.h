// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The hero's model; its number is also the number of its default built-in portrait.
enum TDSRaces : std::uint8_t { dsrFarmboy, dsrFarmgirl, dsrDwarf, dsrSkeleton_Good, dsrUnknown };

// The model of a Gas template_name: whole-text match, ASCII letters in any case;
// anything else is dsrUnknown.
TDSRaces RaceFromTemplate(const std::string &text);
// "Farmboy", "Farmgirl", "Dwarf", "Skeleton_Good" or "Unknown".
std::string RaceTemplateName(TDSRaces model);
