#include "exchange/accesskeys.h"
#include "exchange/paths.h"

#include <gtest/gtest.h>

TEST(ExchangePaths, FolderNames) {
    EXPECT_EQ(lastName("/a/b/Ulf/"), "Ulf");
    EXPECT_EQ(lastName("/a/b/Ulf"), "Ulf");
    EXPECT_EQ(parentFolder("/Heroes/Ulf/"), "/Heroes/");
    EXPECT_EQ(parentFolder("/Heroes/Ulf"), "/Heroes/");
    EXPECT_EQ(parentFolder("Ulf"), "");
    EXPECT_EQ(withTrailingSlash("/a"), "/a/");
    EXPECT_EQ(withTrailingSlash("/a/"), "/a/");
    EXPECT_EQ(withoutTrailingSlash("/a/"), "/a");
}

TEST(ExchangePaths, SafePathComponent) {
    for (const char *name : {"Ulf", "Hero one", ".hidden", "a..b", "..."})
        EXPECT_TRUE(isSafePathComponent(name)) << name;
    for (QString name : {QString(), QString("."), QString(".."), QString("a/b"), QString("/"),
                         QString("a") + QChar(0) + "b"})
        EXPECT_FALSE(isSafePathComponent(name)) << name.toStdString();
}

TEST(ExchangePaths, ReplaceFirstIgnoresCase) {
    EXPECT_EQ(replaceFirst("/home/u/DOCS/x/docs/", "/home/u/docs/", "<My Documents>/"),
              "<My Documents>/x/docs/");
    EXPECT_EQ(replaceFirst("/elsewhere/x", "/home/u/docs/", "<My Documents>/"), "/elsewhere/x");
}

TEST(ExchangeAccessKeys, FirstFreeLetterOfEachCaption) {
    EXPECT_EQ(withAccessKeys({"Ulf", "ulrike", "Bob", "A&B", "uu"}, "b"),
              QStringList({"&Ulf", "u&lrike", "B&ob", "&A&&B", "uu"}));
}
