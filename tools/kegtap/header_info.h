// SPDX-License-Identifier: GPL-3.0-or-later
// The header of a Tank file as a mod author reads it.
#pragma once

#include "tools/kegtap/tank_file.h"

#include <string>

namespace kegtapcli {

// A priority by its rank name ("factory", "language", "expansion", "patch", "user"), else in hex.
std::string priorityText(uint32_t priority);

// Prints the creator, versions, priority, build time, texts, checksums and counts.
void printInfo(const TankFile &tank);

} // namespace kegtapcli
