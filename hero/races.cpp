// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/races.h"

#include <array>
#include <string_view>

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

TDSRaces RaceFromTemplate(const std::string &text) {
    struct Template {
        std::string_view name;
        TDSRaces model;
    };
    static constexpr std::array<Template, 4> Templates = {{{"skeleton_good", dsrSkeleton_Good},
                                                           {"farmboy", dsrFarmboy},
                                                           {"farmgirl", dsrFarmgirl},
                                                           {"dwarf", dsrDwarf}}};
    for (const Template &t : Templates)
        if (SameLetters(text, t.name))
            return t.model;
    return dsrUnknown;
}

std::string RaceTemplateName(TDSRaces model) {
    switch (model) {
    case dsrFarmboy:
        return "Farmboy";
    case dsrFarmgirl:
        return "Farmgirl";
    case dsrDwarf:
        return "Dwarf";
    case dsrSkeleton_Good:
        return "Skeleton_Good";
    default:
        return "Unknown";
    }
}
