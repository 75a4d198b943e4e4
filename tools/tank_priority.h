// SPDX-License-Identifier: GPL-3.0-or-later
// The ranks of a Tank's priority: the game loads a Tank of a higher rank over a lower one.
#pragma once

#include <cstdint>
#include <iterator>

// By name, in rank order; each rank is priorityRankStep above the one before, factory at 0.
inline constexpr const char *priorityRankNames[] = {"factory", "language", "expansion", "patch",
                                                    "user"};
inline constexpr uint32_t priorityRankStep = 0x1000;
inline constexpr uint32_t priorityRankCount = std::size(priorityRankNames);
