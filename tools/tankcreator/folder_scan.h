// SPDX-License-Identifier: GPL-3.0-or-later
// The tree of a folder on disk, ready to be packed into a Tank file.
#pragma once

#include "kegtap/writer/tank_writer.h"

#include <string>
#include <vector>

namespace tankcreator {

// Children are sorted by name without regard to case, as the game's tools sort them; files and
// folders carry their last-write times, the root none. A file or folder whose name or relative
// path matches one of the exclude patterns is left out with everything below it. Throws
// std::runtime_error for anything that cannot be packed (an unreadable folder, a special file, a
// name over 260 bytes or holding a backslash, which the game reads as a separator, or nothing to pack).
tankwriter::Node scanFolder(const std::string &folder, const tankwriter::Storage &storage,
                            const std::vector<std::string> &excludes = {});

} // namespace tankcreator
