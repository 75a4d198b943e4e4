// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/tools/tool_runner.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

std::string slurp(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

ToolResult runTool(const std::string &program, const std::vector<std::string> &arguments,
                   const std::vector<std::string> &environment) {
    const char *dir = std::getenv("THALREX_PROGRAM_DIR");
    const std::string path = std::string(dir != nullptr ? dir : ".") + "/" + program;
    std::vector<std::string> args{path};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const auto temp = std::filesystem::temp_directory_path();
    const std::string outPath = temp / ("tool-out-" + std::to_string(getpid()));
    const std::string errPath = temp / ("tool-err-" + std::to_string(getpid()));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> variables = environment;
    for (char **v = environ; *v != nullptr; ++v) {
        const std::string name = std::string(*v).substr(0, std::string(*v).find('=') + 1);
        if (std::none_of(environment.begin(), environment.end(),
                         [&name](const std::string &e) { return e.rfind(name, 0) == 0; }))
            variables.push_back(*v);
    }
    std::vector<char *> envp;
    for (std::string &v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    pid_t pid;
    const int spawned =
        posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + path);
    int status = 0;
    waitpid(pid, &status, 0);
    ToolResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(outPath), slurp(errPath)};
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return result;
}
