// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The path the command line names, as the program's arguments after its name.
std::optional<std::string> pathOf(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "thalrex");
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    return pathToOpen(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, PathToOpenTakesOnePartyOrFolderAsTheFileSystemNamesIt) {
    const std::string here = std::filesystem::current_path().string();
    const struct {
        std::vector<std::string> arguments;
        std::optional<std::string> path;
    } cases[] = {
        {{}, ""},
        {{"Ulf.dsparty"}, here + "/Ulf.dsparty"},
        {{"/saves/Caf\xE9.dsparty"}, "/saves/Caf\xE9.dsparty"},
        {{"/heroes/a=b/"}, "/heroes/a=b/"},
        {{"--", "-odd.dsparty"}, here + "/-odd.dsparty"},
        {{"--", "--"}, here + "/--"},
        {{"-"}, here + "/-"},
        {{"--bogus"}, std::nullopt},
        {{"-x", "Ulf.dsparty"}, std::nullopt},
        {{"a.dsparty", "b.dsparty"}, std::nullopt},
        {{""}, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pathOf(c.arguments), c.path) << ::testing::PrintToString(c.arguments);
}

} // namespace
