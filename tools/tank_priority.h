// SPDX-License-Identifier: GPL-3.0-or-later
// The ranks of a Tank's priority: the game loads a Tank of a higher rank over a lower one.
#pragma once

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <strings.h>

// By name, in rank order; each rank is priorityRankStep above the one before, factory at 0.
inline constexpr const char *priorityRankNames[] = {"factory", "language", "expansion", "patch",
                                                    "user"};
inline constexpr uint32_t priorityRankStep = 0x1000;
inline constexpr uint32_t priorityRankCount = std::size(priorityRankNames);

// The priority of a rank named without regard to case.
inline std::optional<uint32_t> priorityOfRank(const std::string &name) {
    for (uint32_t i = 0; i < priorityRankCount; ++i)
        if (::strcasecmp(name.c_str(), priorityRankNames[i]) == 0)
            return i * priorityRankStep;
    return std::nullopt;
}
