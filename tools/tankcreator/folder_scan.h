// SPDX-License-Identifier: GPL-3.0-or-later
// The tree of a folder on disk, ready to be packed into a Tank file.
#pragma once

#include "kegtap/writer/tank_writer.h"

#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tankcreator {

struct ScanOptions {
    tankwriter::Storage storage;
    // A file or folder whose name or relative path matches one of them is left out with
    // everything below it.
    std::vector<std::string> excludes;
    // The file being written, never packed into itself.
    std::optional<std::pair<dev_t, ino_t>> output;
    // Told about each thing left out that the user did not exclude.
    std::function<void(const std::string &)> warn;
};

// Children are sorted by name without regard to case, as the game's tools sort them; files and
// folders carry their last-write times, the root none. Names are converted from UTF-8 to the
// Windows-1252 bytes the game reads. Symbolic links are followed; dangling ones, FIFOs, sockets
// and devices are left out with a warning, as tar does. Throws std::runtime_error for anything
// that cannot be packed (an unreadable file or folder, a name without a Windows-1252 form, over
// 260 characters or holding a backslash, which the game reads as a separator, or no file at all).
tankwriter::Node scanFolder(const std::string &folder, const ScanOptions &options);

} // namespace tankcreator
