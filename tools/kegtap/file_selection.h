// SPDX-License-Identifier: GPL-3.0-or-later
// The files a command works on.
#pragma once

#include "tools/kegtap/tank_file.h"

#include <string>
#include <vector>

namespace kegtapcli {

// The files whose path matches one of the patterns, every file when there is none, in the order
// of the walk. A pattern that matches nothing fails (exit 1) and names it.
std::vector<size_t> selectFiles(const TankFile &tank, const std::vector<std::string> &patterns);

} // namespace kegtapcli
