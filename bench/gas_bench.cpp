// Throughput of loading and saving Gas documents: generated files of 1, 10 and 50 MB and the
// largest real file. Each figure is the best of several rounds, so that other work on the machine
// does not hide the cost of the code. Run: bin/gas_bench [folder of the real files]
// (default: THALREX_REALDATA_DIR, else ../shared/realdata beside the source tree).

#include "bench/gas_sample.h"
#include "gas/bowels.h"
#include "gas/disk_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

const char *const kRealFile =
    "gas/upza__world__maps__upza__regions__castle__terrain_nodes__nodes.gas";

// The shortest of at least three runs of the step, running on for about two seconds.
template <typename Step> double BestSeconds(Step step) {
    double best = 1e30;
    const auto until = Clock::now() + std::chrono::seconds(2);
    for (int round = 0; round < 3 || Clock::now() < until; ++round) {
        const auto start = Clock::now();
        step();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

struct Figures {
    double loadMBs;
    double saveMBs;
    double loadSeconds;
};

Figures Measure(const std::string &label, const std::string &path) {
    const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    const double load = BestSeconds([&] {
        TBowels doc;
        doc.Load(path);
    });
    TBowels doc;
    doc.Load(path);
    const std::string out = path + ".saved";
    const double save = BestSeconds([&] { doc.Save(out); });
    std::filesystem::remove(out);
    Figures figures{megabytes / load, megabytes / save, load};
    std::printf("%-22s %8.2f MB   load %8.1f ms %7.1f MB/s   save %8.1f ms %7.1f MB/s\n",
                label.c_str(), megabytes, load * 1e3, figures.loadMBs, save * 1e3, figures.saveMBs);
    return figures;
}

} // namespace

int main(int argc, char **argv) {
    const char *env = std::getenv("THALREX_REALDATA_DIR");
    const std::string realData = argc > 1 ? argv[1] : env ? env : THALREX_DEFAULT_REALDATA_DIR;
    const std::filesystem::path temp =
        std::filesystem::temp_directory_path() / ("thalrex_gas_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(temp);

    Figures generated[3];
    const size_t sizes[3] = {1, 10, 50};
    for (int i = 0; i < 3; ++i) {
        const std::string path = (temp / (std::to_string(sizes[i]) + "mb.gas")).string();
        ReplaceFileAtomically(path, GenerateGasText(sizes[i] << 20));
        generated[i] = Measure("generated " + std::to_string(sizes[i]) + " MB", path);
        std::filesystem::remove(path);
    }
    std::filesystem::remove_all(temp);
    Measure("real file", realData + "/" + kRealFile);

    std::printf(
        "\nper byte, 50 MB against 1 MB: load %.2fx, save %.2fx slower (linear: under 1.5x)\n",
        generated[0].loadMBs / generated[2].loadMBs, generated[0].saveMBs / generated[2].saveMBs);
    std::printf("10 MB load: %.0f ms\n", generated[1].loadSeconds * 1e3);
    return 0;
}
