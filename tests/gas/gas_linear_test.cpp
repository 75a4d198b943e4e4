// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/gas_sample.h"
#include "gas/gas_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <time.h>

namespace {

// Processor time of this process, so that other work on the machine does not count.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Seconds per byte of the fastest of a few loads of the generated text.
double LoadSecondsPerByte(const std::string &text) {
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        GasDocument doc;
        doc.setLines(text);
        const double start = CpuSeconds();
        doc.load();
        best = std::min(best, CpuSeconds() - start);
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
