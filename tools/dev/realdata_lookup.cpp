// SPDX-License-Identifier: GPL-3.0-or-later
// The real-data rule for scripts: realdata_lookup RELATIVE prints the path of the real-data file
// or folder and exits 0; without a real-data folder it explains on stderr and exits 77 (skip);
// when the folder lacks it, exits 1.
#include "realdata.h"

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: realdata_lookup RELATIVE\n");
        return 2;
    }
    const RealData found = lookUpRealData(argv[1]);
    switch (found.outcome) {
    case RealData::Outcome::Found:
        std::printf("%s\n", found.path.c_str());
        return 0;
    case RealData::Outcome::NoFolder:
        std::fprintf(stderr, "%s\n", found.message.c_str());
        return 77;
    case RealData::Outcome::Missing:
        break;
    }
    std::fprintf(stderr, "%s\n", found.message.c_str());
    return 1;
}
