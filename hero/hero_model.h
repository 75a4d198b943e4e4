// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The hero's model; its number is also the number of its default built-in portrait.
enum class HeroModel : std::uint8_t { Farmboy, Farmgirl, Dwarf, SkeletonGood, Unknown };

// The model of a Gas template_name: whole-text match, ASCII letters in any case;
// anything else is HeroModel::Unknown.
HeroModel modelFromTemplate(const std::string &text);
// "Farmboy", "Farmgirl", "Dwarf", "Skeleton_Good" or "Unknown".
std::string modelTemplateName(HeroModel model);
