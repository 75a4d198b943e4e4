// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "thalrex_version.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

const char *const usage =
    "Usage: thalrex [OPTION]... [PARTY | FOLDER]\n"
    "Edits the hero of a Dungeon Siege saved party. PARTY, a .dsparty file, is imported at\n"
    "start-up as File > Import imports it; FOLDER, a hero folder, is opened.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this text and exit\n"
    "      --version  show the version and exit\n"
    "  --             end of the options: what follows is the PARTY or FOLDER\n"
    "Qt's own options, such as -platform NAME or -style NAME, are accepted too.\n"
    "\n"
    "Exit status: 0 once the window is closed, 2 for a wrong command line.\n";

void refuse(const std::string &why) {
    std::fprintf(stderr, "thalrex: %s (see thalrex --help)\n", why.c_str());
}

} // namespace

std::optional<int> answerHelpOrVersion(int argc, char **argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("thalrex " THALREX_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<std::string> pathToOpen(int argc, char **argv) {
    std::string path;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            refuse("unknown option '" + argument + "'");
            return std::nullopt;
        }
        if (!path.empty() || argument.empty()) {
            refuse(argument.empty() ? "an empty PARTY or FOLDER"
                                    : "one party or folder at a time: '" + argument + "'");
            return std::nullopt;
        }
        std::error_code error;
        path = std::filesystem::absolute(argument, error).lexically_normal().string();
        if (error)
            path = argument;
    }
    return path;
}
