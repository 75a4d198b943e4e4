// SPDX-License-Identifier: GPL-3.0-or-later
// The save-folder search over a fake home with N Proton prefixes (each with a steamuser's
// Documents and a Public user, one of them holding the game's saves): the best of several rounds,
// in processor and wall time. Run: bench/save_folder_bench [N] (default 1000).

#include "app/save_folder_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <time.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

} // namespace

int main(int argc, char **argv) {
    const int prefixes = argc > 1 ? std::atoi(argv[1]) : 1000;
    const fs::path home =
        fs::temp_directory_path() / ("save_folder_bench-" + std::to_string(getpid()));
    const fs::path steam = home / ".local/share/Steam/steamapps/compatdata";
    for (int i = 0; i < prefixes; ++i) {
        const fs::path users = steam / std::to_string(100000 + i) / "pfx/drive_c/users";
        fs::create_directories(users / "steamuser/Documents");
        fs::create_directories(users / "Public");
    }
    fs::create_directories(steam / std::to_string(100000 + prefixes / 2) /
                           "pfx/drive_c/users/steamuser/Documents/Dungeon Siege/Save");
    const EnvLookup noEnvironment = [](const char *) { return std::string(); };

    double bestCpu = 1e9;
    double bestWall = 1e9;
    size_t found = 0;
    for (int round = 0; round < 5; ++round) {
        const double cpu = cpuSeconds();
        const auto wall = std::chrono::steady_clock::now();
        found = findGameSaveFolders(home, home / "Documents/", noEnvironment).size();
        bestCpu = std::min(bestCpu, cpuSeconds() - cpu);
        bestWall = std::min(
            bestWall,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count());
    }
    fs::remove_all(home);
    std::printf("%d Proton prefixes, %zu save folder found: %.1f ms processor, %.1f ms wall (best "
                "of 5)\n",
                prefixes, found, bestCpu * 1e3, bestWall * 1e3);
    return found == 1 ? 0 : 1;
}
