// SPDX-License-Identifier: GPL-3.0-or-later
// kegtap's command line: the command first, then options and operands in any order; "--" ends
// the options.
#pragma once

#include "tools/kegtap/extraction.h"

#include <string>
#include <vector>

namespace kegtapcli {

struct CommandLine {
    bool help = false;
    bool version = false;
    std::string command;
    std::string tank;
    std::vector<std::string> operands; // patterns, or the paths of cat
    ExtractOptions extract;            // the options, which only extract takes
};

// Throws Failure(Usage) for what it cannot read.
CommandLine parseCommandLine(int argc, char **argv);

} // namespace kegtapcli
