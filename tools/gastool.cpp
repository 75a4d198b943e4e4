// SPDX-License-Identifier: GPL-3.0-or-later
// gastool: reads, rewrites and edits Gas files from the command line.
//   gastool fmt IN OUT            load IN and save it as OUT in the game's layout
//   gastool get FILE PATH         print the value at PATH (components separated by "/")
//   gastool set FILE PATH VALUE   set the value at PATH and save FILE; an empty VALUE removes it
//   gastool --help | --version
// An error prints its message on stderr, writes nothing and exits with 1; a wrong command line
// prints the usage on stderr and exits with 2.

#include "gas/gas_document.h"
#include "thalrex_version.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

const char *const kUsage = "usage: gastool fmt IN OUT\n"
                           "       gastool get FILE PATH\n"
                           "       gastool set FILE PATH VALUE\n"
                           "       gastool --help | --version\n"
                           "PATH names blocks from the top-level block down, then the key, "
                           "separated by \"/\".\n"
                           "Exit status: 0 success, 1 error, 2 wrong command line.\n";

std::string GasPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\r');
    return path;
}

int run(const std::vector<std::string> &args) {
    GasDocument doc;
    if (args.size() == 1 && args[0] == "--help") {
        std::fputs(kUsage, stdout);
    } else if (args.size() == 1 && args[0] == "--version") {
        std::puts("gastool " THALREX_VERSION);
    } else if (args.size() == 3 && args[0] == "fmt") {
        doc.load(args[1]);
        doc.save(args[2]);
    } else if (args.size() == 3 && args[0] == "get") {
        doc.load(args[1]);
        std::string value = doc.value(GasPath(args[2]));
        std::fwrite(value.data(), 1, value.size(), stdout);
        std::fputc('\n', stdout);
    } else if (args.size() == 4 && args[0] == "set") {
        doc.load(args[1]);
        doc.setValue(GasPath(args[2]), args[3]);
        doc.save(args[1]);
    } else {
        std::fputs(kUsage, stderr);
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "gastool: %s\n", error.what());
        return 1;
    }
}
