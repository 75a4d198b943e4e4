// SPDX-License-Identifier: GPL-3.0-or-later
// One extraction run in a forked child process, so that its peak memory is its own and its
// limits and identity do not touch the test program.
#pragma once

#include "tests/kegtap/support/kegtap_library.h"

#include <cstdint>
#include <functional>

// What the extraction ended with, and how far it raised the child's peak resident memory.
struct ChildOutcome {
    bool extracted = false;
    uint32_t code = 0;
    char message[256] = {};
    long peakGrowthKiB = 0;
};

// Runs extract in a child whose address space may grow by at most 1 GiB beyond what it holds
// (not under AddressSanitizer, which reserves far more), so that even untouched allocations of
// gigabytes fail.
ChildOutcome extractInChild(const KegtapLibrary &k, const std::function<bool()> &extract);
