// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "realdata.h"

#include <gtest/gtest.h>

// The real-data file or folder at relative, or an empty path when the running test cannot use
// it: the test is then skipped (no real-data folder) or failed (the folder lacks it) and must
// return at once.
inline std::filesystem::path realDataPath(const std::string &relative) {
    const RealData found = lookUpRealData(relative);
    [&found] {
        if (found.outcome == RealData::Outcome::NoFolder)
            GTEST_SKIP() << found.message;
        if (found.outcome == RealData::Outcome::Missing)
            ADD_FAILURE() << found.message;
    }();
    return found.outcome == RealData::Outcome::Found ? found.path : std::filesystem::path();
}
