// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of loading and saving Gas documents: generated files of 1, 10 and 50 MB and the
// largest real file. Each figure is the best of several rounds in the processor time of this
// program, so that other work on a shared machine does not hide the cost of the code; the save
// figures include the flush to disk in wall time as well. Run: bench/gas_bench [folder of the real
// files] (default: THALREX_REALDATA_DIR, else the real-data folder the build was configured with).
// Without that folder the real file is left out; a folder that lacks it is an error.

#include "bench/gas_sample.h"
#include "gas/disk_file.h"
#include "gas/gas_document.h"
#include "tests/support/realdata.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <time.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Processor time of this process, in seconds.
double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Timing {
    double cpu;
    double wall;
};

const char *const kRealFile =
    "gas/upza__world__maps__upza__regions__castle__terrain_nodes__nodes.gas";

// The shortest of at least five runs of the step, running on for about three seconds. The
// cleanup after each run is not timed.
template <typename Step, typename Cleanup> Timing best(Step step, Cleanup cleanup) {
    Timing best{1e30, 1e30};
    const auto until = Clock::now() + std::chrono::seconds(3);
    for (int round = 0; round < 5 || Clock::now() < until; ++round) {
        const auto start = Clock::now();
        const double startCpu = cpuSeconds();
        step();
        best.cpu = std::min(best.cpu, cpuSeconds() - startCpu);
        best.wall =
            std::min(best.wall, std::chrono::duration<double>(Clock::now() - start).count());
        cleanup();
    }
    return best;
}

struct Figures {
    double loadMBs;
    double saveMBs;
    double loadSeconds;
};

Figures measure(const std::string &label, const std::string &path) {
    const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    GasDocument doc;
    const Timing load = best([&] { doc.load(path); }, [&] { doc.clear(); });
    doc.load(path);
    const std::string out = path + ".saved";
    const Timing save = best([&] { doc.save(out); }, [] {});
    std::filesystem::remove(out);
    Figures figures{megabytes / load.cpu, megabytes / save.cpu, load.cpu};
    std::printf("%-18s %6.2f MB  load %7.1f ms %6.1f MB/s (wall %7.1f ms)  save %7.1f ms %6.1f "
                "MB/s (wall with flush %7.1f ms)\n",
                label.c_str(), megabytes, load.cpu * 1e3, figures.loadMBs, load.wall * 1e3,
                save.cpu * 1e3, figures.saveMBs, save.wall * 1e3);
    return figures;
}

} // namespace

int main(int argc, char **argv) {
    const RealData real = argc > 1 ? lookUpRealData(argv[1], kRealFile) : lookUpRealData(kRealFile);
    if (real.outcome == RealData::Outcome::Missing) {
        std::fprintf(stderr, "gas_bench: %s\n", real.message.c_str());
        return 1;
    }
    const std::filesystem::path temp =
        std::filesystem::temp_directory_path() / ("thalrex_gas_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(temp);

    Figures generated[3];
    const size_t sizes[3] = {1, 10, 50};
    for (int i = 0; i < 3; ++i) {
        const std::string path = (temp / (std::to_string(sizes[i]) + "mb.gas")).string();
        replaceFileAtomically(path, generateGasText(sizes[i] << 20));
        generated[i] = measure("generated " + std::to_string(sizes[i]) + " MB", path);
        std::filesystem::remove(path);
    }
    std::filesystem::remove_all(temp);
    if (real.outcome == RealData::Outcome::Found)
        measure("real file", real.path.string());
    else
        std::printf("real file: %s\n", real.message.c_str());

    std::printf(
        "\nper byte, 50 MB against 1 MB: load %.2fx, save %.2fx slower (linear: under 1.5x)\n",
        generated[0].loadMBs / generated[2].loadMBs, generated[0].saveMBs / generated[2].saveMBs);
    std::printf("10 MB load: %.0f ms\n", generated[1].loadSeconds * 1e3);
    return 0;
}
