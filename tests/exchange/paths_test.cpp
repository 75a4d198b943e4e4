// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/paths.h"

#include <gtest/gtest.h>

TEST(ExchangePaths, SafePathComponent) {
    for (const char *name : {"Ulf", "Hero one", ".hidden", "a..b", "..."})
        EXPECT_TRUE(isSafePathComponent(name)) << name;
    for (QString name : {QString(), QString("."), QString(".."), QString("a/b"), QString("/"),
                         QString("a") + QChar(0) + "b"})
        EXPECT_FALSE(isSafePathComponent(name)) << name.toStdString();
}
