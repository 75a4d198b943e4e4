// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gas/temp_folder.h"
#include "tests/tools/run_program.h"

#include <gtest/gtest.h>

namespace {

const std::string kParty = "[party]\r\n{\r\n\t[members]\r\n\t{\r\n\t\t[0]\r\n\t\t{\r\n"
                           "\t\t\tscreen_name = \"Hero\";\r\n\t\t\tgold = 100;\r\n\t\t}\r\n"
                           "\t}\r\n}\r\n";

ProgramRun runGastool(std::vector<std::string> args) {
    return runProgram(programPath("gastool"), std::move(args));
}

class Gastool : public testing::Test {
protected:
    TempFolder folder;
    std::string party = folder / "Party.gas";
    void SetUp() override { writeAll(party, kParty); }
};

TEST_F(Gastool, GetPrintsTheValueAtASlashPath) {
    ProgramRun run = runGastool({"get", party, "party/members/0/screen_name"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "\"Hero\"\n");
    EXPECT_EQ(runGastool({"get", party, "Party/Members/0/missing"}).out, "\n");
}

TEST_F(Gastool, SetChangesTheValueAndSavesTheFileInTheGameLayout) {
    ASSERT_EQ(runGastool({"set", party, "party/members/0/gold", "250"}).exitCode, 0);
    ASSERT_EQ(runGastool({"set", party, "party/members/0/screen_name", ""}).exitCode, 0);
    ASSERT_EQ(runGastool({"set", party, "party/hero_index", "0"}).exitCode, 0);
    EXPECT_EQ(readAll(party), "[party]\r\n{\r\n\t[members]\r\n\t{\r\n\t\t[0]\r\n\t\t{\r\n"
                              "\t\t\tgold = 250;\r\n\t\t}\r\n\t}\r\n\thero_index = 0;\r\n}\r\n");
}

TEST_F(Gastool, FmtRewritesInTheGameLayout) {
    writeAll(folder / "in.gas", "[a]{ x = 1; [b] { y = \"two words\"; } }");
    ProgramRun run = runGastool({"fmt", folder / "in.gas", folder / "out.gas"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readAll(folder / "out.gas"),
              "[a]\r\n{\r\n\tx = 1;\r\n\t[b]\r\n\t{\r\n\t\ty = \"two words\";\r\n\t}\r\n}\r\n");
}

struct ErrorCase {
    std::vector<std::string> args;
    std::string message;
    int exitCode = 1;
};

TEST_F(Gastool, ErrorsPrintTheirMessageExitWithOneOrTwoAndWriteNothing) {
    writeAll(folder / "broken.gas", "[a]{x=1;");
    const std::string dir = folder.path().string();
    const std::vector<ErrorCase> cases = {
        {{"fmt", dir + "/none.gas", dir + "/out.gas"}, "Cannot open file " + dir + "/none.gas"},
        {{"fmt", dir + "/broken.gas", dir + "/out.gas"}, "Gas file structure could not be read"},
        {{"fmt", party, dir + "/no/out.gas"}, "Cannot create file " + dir + "/no/out.gas"},
        {{"set", party, "party/nothing/gold", "1"}, "List index out of bounds (-1)"},
        {{"get", party, "info/hero_name"}, "List index out of bounds (-1)"},
        {{"frobnicate", party}, "usage: gastool", 2},
        {{"set", party, "party/gold"}, "usage: gastool", 2},
        {{"--help", party}, "usage: gastool", 2},
    };
    for (const ErrorCase &c : cases) {
        ProgramRun run = runGastool(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(readAll(party), kParty);
    EXPECT_FALSE(std::filesystem::exists(folder / "out.gas"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

} // namespace
