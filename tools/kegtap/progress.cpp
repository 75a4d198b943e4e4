// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/progress.h"

#include <cstdio>
#include <unistd.h>

namespace kegtapcli {
namespace {

constexpr auto Delay = std::chrono::seconds(1);
constexpr auto Interval = std::chrono::milliseconds(200);

double megabytes(uint64_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

} // namespace

Progress::Progress(size_t totalFiles, uint64_t totalBytes, bool quiet)
    : totalFiles_(totalFiles), totalBytes_(totalBytes),
      enabled_(!quiet && ::isatty(STDERR_FILENO) != 0) {}

Progress::~Progress() {
    if (shown_)
        std::fputs("\r\33[K", stderr);
}

void Progress::fileDone(uint64_t bytes) {
    ++files_;
    bytes_ += bytes;
    if (!enabled_)
        return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < Delay || now - lastShown_ < Interval)
        return;
    lastShown_ = now;
    shown_ = true;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    std::fprintf(stderr, "\r\33[K%zu/%zu files, %.1f/%.1f MiB, %.1f MiB/s", files_, totalFiles_,
                 megabytes(bytes_), megabytes(totalBytes_), megabytes(bytes_) / seconds);
    std::fflush(stderr);
}

} // namespace kegtapcli
