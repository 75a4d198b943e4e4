// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a program of the program folder and collects its exit status and output.
#pragma once

#include <string>
#include <vector>

struct ToolResult {
    int status;
    std::string out;
    std::string err;
};

// environment adds or replaces variables ("NAME=value") for the program.
ToolResult runTool(const std::string &program, const std::vector<std::string> &arguments,
                   const std::vector<std::string> &environment = {});
