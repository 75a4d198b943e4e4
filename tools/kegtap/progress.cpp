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
    : m_totalFiles(totalFiles), m_totalBytes(totalBytes),
      m_enabled(!quiet && ::isatty(STDERR_FILENO) != 0), m_nextShowNs(nanoseconds(Delay)) {}

Progress::~Progress() {
    if (m_shown)
        std::fputs("\r\33[K", stderr);
}

void Progress::addBytes(uint64_t bytes) {
    m_bytes += bytes;
    show();
}

void Progress::fileDone() {
    ++m_files;
    show();
}

void Progress::message(const std::string &line) {
    const std::lock_guard<std::mutex> lock(m_printing);
    std::fprintf(stderr, "%s%s\n", m_shown ? "\r\33[K" : "", line.c_str());
    m_shown = false;
}

void Progress::show() {
    if (!m_enabled)
        return;
    const int64_t now = nanoseconds(Clock::now() - m_start);
    int64_t due = m_nextShowNs.load();
    if (now < due || !m_nextShowNs.compare_exchange_strong(due, now + nanoseconds(Interval)))
        return;
    const std::lock_guard<std::mutex> lock(m_printing);
    const uint64_t bytes = m_bytes;
    std::fprintf(stderr, "\r\33[K%zu/%zu files, %.1f/%.1f MiB, %.1f MiB/s", m_files.load(),
                 m_totalFiles, megabytes(bytes), megabytes(m_totalBytes),
                 megabytes(bytes) / (static_cast<double>(now) / 1e9));
    std::fflush(stderr);
    m_shown = true;
}

} // namespace kegtapcli
