// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/paths.h"

#include <gtest/gtest.h>

#include <utility>

TEST(ExchangePaths, TrailingSlashIsAddedOnceAndNeverToAnEmptyPath) {
    for (const auto &[path, expected] : {std::pair{"", ""}, {"/a", "/a/"}, {"/a/", "/a/"}})
        EXPECT_EQ(withTrailingSlash(path), expected) << path;
}

TEST(ExchangePaths, SafePathComponent) {
    for (const char *name : {"Ulf", "Hero one", ".hidden", "a..b", "..."})
        EXPECT_TRUE(isSafePathComponent(name)) << name;
    for (QString name : {QString(), QString("."), QString(".."), QString("a/b"), QString("/"),
                         QString("a") + QChar(0) + "b"})
        EXPECT_FALSE(isSafePathComponent(name)) << name.toStdString();
}
