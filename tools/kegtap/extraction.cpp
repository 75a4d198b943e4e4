// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/extraction.h"

#include "tools/kegtap/file_selection.h"
#include "tools/kegtap/progress.h"
#include "tools/kegtap/tank_file.h"
#include "tools/stop_signals.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <sched.h>
#include <thread>

namespace kegtapcli {
namespace {

// Set by the first stop signal; the work ends, cleans up, and then the program as the signal
// would have ended it.
volatile sig_atomic_t stopSignal = 0;

void stop(int signal) {
    stopSignal = signal;
}

// What became of each selected file, printed in the order of the walk as soon as the files
// before it are done.
class Report {
public:
    Report(size_t count, Progress &progress) : m_results(count), m_progress(progress) {}

    void done(size_t position, ExitCode code, std::string message) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_results[position] = {true, code, std::move(message)};
        for (; m_printed < m_results.size() && m_results[m_printed].done; ++m_printed) {
            Result &r = m_results[m_printed];
            if (r.code != Success)
                m_progress.message("kegtap: " + r.message);
            m_worst = std::max(m_worst, r.code);
        }
    }
    ExitCode worst() const { return m_worst; }

private:
    struct Result {
        bool done = false;
        ExitCode code = Success;
        std::string message;
    };
    std::vector<Result> m_results;
    Progress &m_progress;
    std::mutex m_mutex;
    size_t m_printed = 0;
    ExitCode m_worst = Success;
};

int reportProgress(void *context, uint64_t bytes) {
    static_cast<Progress *>(context)->addBytes(bytes);
    return stopSignal != 0;
}

// Files whose paths the game (and a case-insensitive file system) takes for one go to one
// thread, in order, so that the last of them wins as it does with one thread.
std::vector<std::vector<size_t>> groupBySamePath(const TankFile &tank,
                                                 const std::vector<size_t> &selected) {
    std::vector<std::vector<size_t>> groups; // positions in selected
    std::map<size_t, size_t> groupOfFirst;   // first file of that path -> group
    for (size_t p = 0; p < selected.size(); ++p) {
        size_t first = selected[p];
        kegtap_find(tank.handle(), tank.file(selected[p]).path, &first);
        const auto [it, added] = groupOfFirst.emplace(first, groups.size());
        if (added)
            groups.emplace_back();
        groups[it->second].push_back(p);
    }
    return groups;
}

// The cores this process may run on.
unsigned coreCount() {
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    if (sched_getaffinity(0, sizeof cpus, &cpus) == 0 && CPU_COUNT(&cpus) > 0)
        return static_cast<unsigned>(CPU_COUNT(&cpus));
    return std::max(1u, std::thread::hardware_concurrency());
}

unsigned threadCount(unsigned asked, size_t work) {
    const size_t wanted = asked != 0 ? asked : coreCount();
    return static_cast<unsigned>(std::min(wanted, std::max<size_t>(work, 1)));
}

} // namespace

int extract(const std::string &tankPath, const ExtractOptions &o) {
    const TankFile tank(tankPath);
    const std::vector<size_t> selected = selectFiles(tank, o.patterns);
    std::error_code ignored;
    std::filesystem::create_directories(o.destination, ignored);
    if (!std::filesystem::is_directory(o.destination))
        throw Failure(InputOutput, "Cannot create directory " + o.destination);

    const std::vector<std::vector<size_t>> groups = groupBySamePath(tank, selected);
    std::vector<std::unique_ptr<TankFile>> handles;
    for (unsigned t = 0; t < threadCount(o.jobs, groups.size()); ++t)
        handles.push_back(std::make_unique<TankFile>(tankPath));
    uint64_t bytes = 0;
    for (const size_t i : selected)
        bytes += tank.file(i).size;
    const unsigned flags = (o.yes ? KEGTAP_KEEP_BAD_CRC | KEGTAP_KEEP_BAD_TIME : 0) |
                           (o.keepExisting ? KEGTAP_KEEP_EXISTING : 0);

    const StopSignals signals(stop, SA_RESETHAND | SA_RESTART);
    Progress progress(selected.size(), bytes, o.quiet);
    ExitCode folderFailure = Success;
    if (o.patterns.empty()) // every folder, empty ones included; else those on the way
        for (size_t f = 0; f < tank.folderCount() && stopSignal == 0; ++f)
            if (kegtap_extract_folder(tank.handle(), f, o.destination.c_str()) != 0) {
                const uint32_t error = kegtap_errno(tank.handle());
                const std::string message = kegtap_error_string(tank.handle());
                progress.message("kegtap: " +
                                 describe(tank.folder(f).path, error, message.c_str()));
                folderFailure = std::max(folderFailure, exitCodeOf(error));
            }

    Report report(selected.size(), progress);
    std::atomic<size_t> nextGroup{0};
    const auto work = [&](TankFile &own) {
        kegtap_set_progress(own.handle(), reportProgress, &progress);
        for (size_t g; stopSignal == 0 && (g = nextGroup++) < groups.size();)
            for (const size_t p : groups[g]) {
                if (stopSignal != 0)
                    break;
                const size_t i = selected[p];
                if (kegtap_extract_entry(own.handle(), i, o.destination.c_str(), flags) == 0) {
                    report.done(p, Success, {});
                } else if (const uint32_t error = kegtap_errno(own.handle());
                           error != KEGTAP_ERR_CANCELLED) {
                    const std::string message = kegtap_error_string(own.handle());
                    // With --yes a file in doubt is kept; the library says why it was doubted.
                    const bool kept = o.yes && (error == KEGTAP_ERR_CRC ||
                                                message == "Cannot set the file time.");
                    report.done(p, exitCodeOf(error),
                                describe(own.file(i).path, error, message.c_str()) +
                                    (kept ? " Kept." : ""));
                }
                progress.fileDone();
            }
    };
    std::vector<std::thread> threads;
    for (size_t t = 1; t < handles.size(); ++t)
        threads.emplace_back(work, std::ref(*handles[t]));
    work(*handles[0]);
    for (std::thread &t : threads)
        t.join();
    if (stopSignal != 0)
        StopSignals::endAs(stopSignal);
    return std::max(folderFailure, report.worst());
}

} // namespace kegtapcli
