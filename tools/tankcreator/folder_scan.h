// The tree of a folder on disk, ready to be packed into a Tank file.
#pragma once

#include "kegtap/writer/tank_writer.h"

#include <string>

namespace tankcreator {

// Children are sorted by name without regard to case, as the game's tools sort them; files and
// folders carry their last-write times, the root none. Throws std::runtime_error for anything
// that cannot be packed (an unreadable folder, a special file, a name over 260 bytes).
tankwriter::Node scanFolder(const std::string &folder, const tankwriter::Storage &storage);

} // namespace tankcreator
