#include "bench/gas_sample.h"
#include "gas/bowels.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// Seconds per byte of the fastest of a few loads of the generated text.
double LoadSecondsPerByte(const std::string &text) {
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        auto start = std::chrono::steady_clock::now();
        TBowels doc;
        doc.SetLines(text);
        doc.Load();
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best / static_cast<double>(text.size());
}

// Erasing each blank from the text as it is met would make this quadratic: the 16 MB text would
// cost hundreds of times more per byte than the 1 MB one. The bound leaves room for a busy machine.
TEST(GasLinear, LoadTimeGrowsLinearlyWithTheText) {
    const double small = LoadSecondsPerByte(GenerateGasText(1 << 20));
    const double large = LoadSecondsPerByte(GenerateGasText(16 << 20));
    EXPECT_LT(large / small, 3.0) << small * 1e9 << " ns/byte at 1 MB, " << large * 1e9
                                  << " ns/byte at 16 MB";
}

} // namespace
