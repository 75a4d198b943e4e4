// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/kegtap/support/child_extraction.h"

#include "tests/kegtap/support/address_sanitizer.h"

#include <cstdio>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

ChildOutcome extractInChild(const KegtapLibrary &k, const std::function<bool()> &extract) {
    int channel[2];
    if (pipe(channel) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        if (!AddressSanitized) {
            long pages = 0;
            if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
                if (std::fscanf(statm, "%ld", &pages) != 1)
                    pages = 0;
                std::fclose(statm);
            }
            const rlim_t limit = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (1ull << 30);
            const rlimit as{limit, limit};
            setrlimit(RLIMIT_AS, &as);
        }
        ChildOutcome outcome;
        const long before = peakResidentKiB();
        outcome.extracted = extract();
        outcome.peakGrowthKiB = peakResidentKiB() - before;
        outcome.code = k.GetKvErrorCode();
        std::snprintf(outcome.message, sizeof outcome.message, "%s", k.errorMessage().c_str());
        const bool sent = write(channel[1], &outcome, sizeof outcome) == sizeof outcome;
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    ChildOutcome outcome;
    const bool received = read(channel[0], &outcome, sizeof outcome) == sizeof outcome;
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the extracting child process failed");
    return outcome;
}
