// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/gas/temp_folder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

// The end of a program run: how it ended and what it printed.
struct ProgramRun {
    bool timedOut = false;
    bool crashed = false; // ended by a signal
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The full path of a program in the program folder.
inline std::string programPath(const std::string &name) {
    const char *dir = std::getenv("THALREX_PROGRAM_DIR");
    return std::string(dir ? dir : ".") + "/" + name;
}

// Runs the program with the arguments, killing it when it outlasts the timeout.
inline ProgramRun runProgram(const std::string &program, std::vector<std::string> args,
                             std::chrono::seconds timeout = std::chrono::seconds(30)) {
    TempFolder capture;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, (capture / "out").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, (capture / "err").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    args.insert(args.begin(), program);
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    ProgramRun run;
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;

    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            run.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    run.crashed = !run.timedOut && WIFSIGNALED(status);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readAll(capture / "out");
    run.err = readAll(capture / "err");
    return run;
}
