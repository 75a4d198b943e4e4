// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero_model.h"

#include "gas/gas_text.h"

#include <array>
#include <string_view>

HeroModel modelFromTemplate(const std::string &text) {
    struct Template {
        std::string_view name;
        HeroModel model;
    };
    static constexpr std::array<Template, 4> templates = {
        {{"skeleton_good", HeroModel::SkeletonGood},
         {"farmboy", HeroModel::Farmboy},
         {"farmgirl", HeroModel::Farmgirl},
         {"dwarf", HeroModel::Dwarf}}};
    for (const Template &t : templates)
        if (sameText(text, t.name))
            return t.model;
    return HeroModel::Unknown;
}

std::string modelTemplateName(HeroModel model) {
    switch (model) {
    case HeroModel::Farmboy:
        return "Farmboy";
    case HeroModel::Farmgirl:
        return "Farmgirl";
    case HeroModel::Dwarf:
        return "Dwarf";
    case HeroModel::SkeletonGood:
        return "Skeleton_Good";
    case HeroModel::Unknown:
        break;
    }
    return "Unknown";
}
