// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/command_line.h"

#include "tools/kegtap/tank_file.h"
#include "tools/number_argument.h"
#include "tools/terminal_text.h"

namespace kegtapcli {
namespace {

constexpr unsigned MaxJobs = 256;

[[noreturn]] void wrong(const std::string &what) {
    throw Failure(Usage, what);
}

} // namespace

CommandLine parseCommandLine(int argc, char **argv) {
    CommandLine c;
    std::vector<std::string> positional;
    std::vector<std::string> options; // as given, for the commands that take none
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                wrong("option " + arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--")
            optionsEnded = true;
        else if (arg == "--help" || arg == "-h")
            c.help = true;
        else if (arg == "--version")
            c.version = true;
        else if (arg == "-d")
            c.extract.destination = value();
        else if (arg == "--yes" || arg == "-y")
            c.extract.yes = true;
        else if (arg == "-n")
            c.extract.keepExisting = true;
        else if (arg == "-q")
            c.extract.quiet = true;
        else if (arg == "-j") {
            const std::string jobs = value();
            const std::optional<uint64_t> n = parseNumber(jobs);
            if (!n || *n == 0 || *n > MaxJobs)
                wrong("invalid number of threads '" + shownText(jobs) + "' (1 to " +
                      std::to_string(MaxJobs) + ")");
            c.extract.jobs = static_cast<unsigned>(*n);
        } else
            wrong("unknown option '" + shownText(arg) + "'");
        if (arg != "--" && arg != "--help" && arg != "-h" && arg != "--version")
            options.push_back(arg);
    }
    if (c.help || c.version)
        return c;
    if (positional.size() < 2)
        wrong("a command and a Tank file are needed");
    c.command = positional[0];
    c.tank = positional[1];
    c.operands.assign(positional.begin() + 2, positional.end());
    c.extract.patterns = c.operands;
    const bool known = c.command == "info" || c.command == "list" || c.command == "test" ||
                       c.command == "cat" || c.command == "extract";
    if (!known)
        wrong("unknown command '" + shownText(c.command) + "'");
    if (c.command != "extract" && !options.empty())
        wrong("option " + options.front() + " is for extract only");
    if ((c.command == "info" || c.command == "test") && !c.operands.empty())
        wrong("unexpected argument '" + shownText(c.operands.front()) + "'");
    if (c.command == "cat" && c.operands.empty())
        wrong("cat needs the path of a file");
    return c;
}

} // namespace kegtapcli
