// SPDX-License-Identifier: GPL-3.0-or-later
// kegtap extract: files decoded by several threads, each on a handle of its own, with the same
// result as one thread, errors included: a file that fails is reported in the order of the walk
// and the others go on. SIGINT, SIGTERM and SIGHUP stop it, with no temporary file left behind.
#pragma once

#include <string>
#include <vector>

namespace kegtapcli {

struct ExtractOptions {
    std::string destination = ".";
    bool yes = false;          // keep files whose CRC-32 or time is in doubt
    bool keepExisting = false; // -n
    bool quiet = false;
    unsigned jobs = 0; // 0: one per core
    std::vector<std::string> patterns;
};

// The exit code.
int extract(const std::string &tankPath, const ExtractOptions &options);

} // namespace kegtapcli
