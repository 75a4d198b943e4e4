// SPDX-License-Identifier: GPL-3.0-or-later
// One line on standard error that updates in place while a long extraction runs: files and bytes
// done of the total, and the rate. Shown only on a terminal, only after about a second, at most
// about ten times a second, and moving within large files. Safe to use from several threads.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

namespace kegtapcli {

class Progress {
public:
    Progress(size_t totalFiles, uint64_t totalBytes, bool quiet);
    ~Progress();
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

    void addBytes(uint64_t bytes);
    void fileDone();
    // Prints a line of its own on standard error, clearing the progress line first.
    void message(const std::string &line);

private:
    using Clock = std::chrono::steady_clock;

    void show();

    const size_t m_totalFiles;
    const uint64_t m_totalBytes;
    const bool m_enabled;
    const Clock::time_point m_start = Clock::now();
    std::atomic<size_t> m_files{0};
    std::atomic<uint64_t> m_bytes{0};
    std::atomic<int64_t> m_nextShowNs;
    std::mutex m_printing;
    bool m_shown = false;
};

} // namespace kegtapcli
