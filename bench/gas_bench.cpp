// Throughput of loading and saving Gas documents: generated files of 1, 10 and 50 MB and the
// largest real file. Run from the build folder: bin/gas_bench (THALREX_REALDATA_DIR overrides the
// folder of real files, by default ../shared/realdata beside the source tree).

#include "bench/gas_sample.h"
#include "gas/bowels.h"
#include "gas/disk_file.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

const std::string kRealFile =
    "gas/upza__world__maps__upza__regions__castle__terrain_nodes__nodes.gas";

std::string RealDataDir() {
    const char *dir = std::getenv("THALREX_REALDATA_DIR");
    return dir ? dir : THALREX_DEFAULT_REALDATA_DIR;
}

std::string TempFile(const std::string &name) {
    return (std::filesystem::temp_directory_path() / ("thalrex_bench_" + name)).string();
}

// A file of the generated size, written once per size.
std::string GeneratedFile(size_t megabytes) {
    std::string path = TempFile(std::to_string(megabytes) + "mb.gas");
    if (!std::filesystem::exists(path))
        ReplaceFileAtomically(path, GenerateGasText(megabytes << 20));
    return path;
}

void Report(benchmark::State &state, const std::string &path) {
    const auto bytes = static_cast<double>(std::filesystem::file_size(path));
    state.counters["MB/s"] =
        benchmark::Counter(bytes / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void LoadGas(benchmark::State &state, const std::string &path) {
    for (auto _ : state) {
        TBowels doc;
        doc.Load(path);
        benchmark::DoNotOptimize(doc.Root.data());
        state.PauseTiming(); // freeing the tree is not part of loading
        doc.Clear();
        state.ResumeTiming();
    }
    Report(state, path);
}

void SaveGas(benchmark::State &state, const std::string &path) {
    TBowels doc;
    doc.Load(path);
    const std::string out = TempFile("out.gas");
    for (auto _ : state)
        doc.Save(out);
    std::filesystem::remove(out);
    Report(state, path);
}

void BM_LoadGenerated(benchmark::State &state) {
    LoadGas(state, GeneratedFile(static_cast<size_t>(state.range(0))));
}
void BM_SaveGenerated(benchmark::State &state) {
    SaveGas(state, GeneratedFile(static_cast<size_t>(state.range(0))));
}
void BM_LoadRealFile(benchmark::State &state) {
    LoadGas(state, RealDataDir() + "/" + kRealFile);
}
void BM_SaveRealFile(benchmark::State &state) {
    SaveGas(state, RealDataDir() + "/" + kRealFile);
}

BENCHMARK(BM_LoadGenerated)
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);
BENCHMARK(BM_SaveGenerated)
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);
BENCHMARK(BM_LoadRealFile)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_SaveRealFile)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
