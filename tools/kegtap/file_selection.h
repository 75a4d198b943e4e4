// SPDX-License-Identifier: GPL-3.0-or-later
// The entries a command works on, and the output folders down to them.
#pragma once

#include "tools/kegtap/tank_archive.h"

#include <optional>
#include <string>
#include <vector>

namespace kegtapcli {

// Every entry when there is no pattern, else the files whose path matches one of them. A pattern
// that matches nothing fails (exit 1) and names it.
std::vector<const Entry *> selectEntries(const TankArchive &tank,
                                         const std::vector<std::string> &patterns);

// The chain of output folders from the destination down to the folder being walked, each opened
// below the one above it (never by a full path), and created only when something goes into it.
class FolderTrail {
public:
    explicit FolderTrail(const std::string &destination);

    // The walk went into this folder.
    void enter(const Entry &folder);
    // The folder that holds the entry (for a folder, the folder itself), created when missing.
    const kegtap::OutputFolder &open(const Entry &entry);

private:
    std::vector<std::string> names_;         // names_[d - 1]: the folder at depth d
    std::vector<kegtap::OutputFolder> open_; // open_[d]: the folder at depth d, opened
};

} // namespace kegtapcli
