// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/progress.h"

#include <cstdio>
#include <unistd.h>

namespace kegtapcli {
namespace {

constexpr auto Delay = std::chrono::seconds(1);
constexpr auto Interval = std::chrono::milliseconds(100);

double megabytes(uint64_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

int64_t nanoseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
}

} // namespace

Progress::Progress(size_t totalFiles, uint64_t totalBytes, bool quiet)
    : totalFiles_(totalFiles), totalBytes_(totalBytes),
      enabled_(!quiet && ::isatty(STDERR_FILENO) != 0), nextShowNs_(nanoseconds(Delay)) {}

Progress::~Progress() {
    if (shown_)
        std::fputs("\r\33[K", stderr);
}

void Progress::addBytes(uint64_t bytes) {
    bytes_ += bytes;
    show();
}

void Progress::fileDone() {
    ++files_;
    show();
}

void Progress::message(const std::string &line) {
    const std::lock_guard<std::mutex> lock(printing_);
    std::fprintf(stderr, "%s%s\n", shown_ ? "\r\33[K" : "", line.c_str());
    shown_ = false;
}

void Progress::show() {
    if (!enabled_)
        return;
    const int64_t now = nanoseconds(Clock::now() - start_);
    int64_t due = nextShowNs_.load();
    if (now < due || !nextShowNs_.compare_exchange_strong(due, now + nanoseconds(Interval)))
        return;
    const std::lock_guard<std::mutex> lock(printing_);
    const uint64_t bytes = bytes_;
    std::fprintf(stderr, "\r\33[K%zu/%zu files, %.1f/%.1f MiB, %.1f MiB/s", files_.load(),
                 totalFiles_, megabytes(bytes), megabytes(totalBytes_),
                 megabytes(bytes) / (static_cast<double>(now) / 1e9));
    std::fflush(stderr);
    shown_ = true;
}

} // namespace kegtapcli
