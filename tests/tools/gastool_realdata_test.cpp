// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gas/temp_folder.h"
#include "tests/support/realdata_path.h"
#include "tests/tools/run_program.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> realGasFiles(const std::filesystem::path &folder) {
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// Every real file either formats, and its output formats to itself, or is refused with the
// structure error and nothing written; no crash and no hang either way.
TEST(GastoolRealData, FmtOfEveryRealFileEndsCleanlyAndIsStable) {
    const std::filesystem::path folder = realDataPath("gas");
    if (folder.empty())
        return;
    const std::vector<std::string> files = realGasFiles(folder);
    ASSERT_GE(files.size(), 30u);
    int formatted = 0;
    for (const std::string &file : files) {
        TempFolder out;
        const std::string gastool = programPath("gastool");
        ProgramRun first = runProgram(gastool, {"fmt", file, out / "once.gas"});
        ASSERT_FALSE(first.timedOut) << file;
        ASSERT_FALSE(first.crashed) << file;
        if (first.exitCode != 0) {
            EXPECT_EQ(first.exitCode, 1) << file;
            EXPECT_NE(first.err.find("Gas file structure could not be read"), std::string::npos)
                << file << ": " << first.err;
            EXPECT_FALSE(std::filesystem::exists(out / "once.gas")) << file;
            continue;
        }
        ++formatted;
        ProgramRun second = runProgram(gastool, {"fmt", out / "once.gas", out / "twice.gas"});
        ASSERT_EQ(second.exitCode, 0) << file << ": " << second.err;
        const std::string once = readAll(out / "once.gas");
        EXPECT_FALSE(once.empty()) << file;
        EXPECT_EQ(readAll(out / "twice.gas"), once) << file;
    }
    // All but a file whose stray quote leaves a block unclosed are read by the document rules.
    EXPECT_GE(formatted, static_cast<int>(files.size()) - 1);
}

} // namespace
