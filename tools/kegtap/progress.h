// SPDX-License-Identifier: GPL-3.0-or-later
// One line on standard error that updates in place while a long extraction runs: files and bytes
// done of the total, and the rate. Shown only on a terminal, and only after about a second.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace kegtapcli {

class Progress {
public:
    Progress(size_t totalFiles, uint64_t totalBytes, bool quiet);
    ~Progress();
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

    void fileDone(uint64_t bytes);

private:
    using Clock = std::chrono::steady_clock;

    size_t totalFiles_;
    uint64_t totalBytes_;
    bool enabled_;
    bool shown_ = false;
    size_t files_ = 0;
    uint64_t bytes_ = 0;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_{};
};

} // namespace kegtapcli
