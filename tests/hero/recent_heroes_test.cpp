// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/recent_heroes.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(RecentHeroes, AddPutsTheHeroFirstReplacingItsFoldersLineAndKeepsNine) {
    RecentHeroes recent;
    recent.add("/home/ann/Imports/Ann/", "Ann", 12, 3);
    EXPECT_EQ(recent.lines(),
              std::vector<std::string>{"/home/ann/Imports/Ann/=\"Ann - Level 12 03\""});
    for (int i = 1; i <= 9; ++i)
        recent.add("/heroes/h" + std::to_string(i) + "/", "H", i, 15);
    ASSERT_EQ(recent.lines().size(), 9u);
    EXPECT_EQ(recent.lines().front(), "/heroes/h9/=\"H - Level 9 15\"");
    EXPECT_EQ(recent.lines().back(), "/heroes/h1/=\"H - Level 1 15\""); // Ann dropped

    recent.add("/heroes/H4/", "Bob", 20, 1); // another folder than /heroes/h4/
    ASSERT_EQ(recent.lines().size(), 9u);
    EXPECT_EQ(recent.lines().front(), "/heroes/H4/=\"Bob - Level 20 01\"");
    EXPECT_EQ(
        std::count(recent.lines().begin(), recent.lines().end(), "/heroes/h4/=\"H - Level 4 15\""),
        1);
    recent.add("/heroes/h4/", "H", 5, 15); // the same folder: its line moves up
    EXPECT_EQ(recent.lines()[0], "/heroes/h4/=\"H - Level 5 15\"");
    EXPECT_EQ(recent.lines()[1], "/heroes/H4/=\"Bob - Level 20 01\"");
    EXPECT_EQ(recent.lines().size(), 9u);
}

TEST(RecentHeroes, AFolderWithAnyCharacterComesBackWhole) {
    for (const std::string folder : {"/h/a=b/", "/h/%3D=/", "/h/line\nbreak/", "file:///h/x/"}) {
        RecentHeroes recent;
        recent.add(folder, "Ann", 1, 2);
        EXPECT_EQ(recent.entries().at(0).folder, folder);
        EXPECT_EQ(recent.entries().at(0).caption, "Ann - Level 1 ");
        EXPECT_EQ(recent.lines().at(0).find_first_of("=\n"), recent.lines().at(0).find("=\""))
            << folder;
        recent.add(folder, "Ann", 2, 2);
        EXPECT_EQ(recent.lines().size(), 1u) << folder;
        recent.removeIf([&](const std::string &gone) { return gone == folder; });
        EXPECT_TRUE(recent.lines().empty()) << folder;
    }
}

TEST(RecentHeroes, ParseShowsWrittenAndHandEditedLines) {
    const struct {
        const char *line, *folder, *caption;
        int classIcon;
    } cases[] = {
        {"/h/Ann/=\"Ann - Level 12 03\"", "/h/Ann/", "Ann - Level 12 ", 3},
        {"/h/Bob/=\"Bob the Great\"", "/h/Bob/", "Bob the Great", -1},
        {"/h/Cy/=Cy - Level 4 07", "/h/Cy/", "Cy - Level 4 07", -1},
        {"/h/Di/=\"Di - Level 4 7\"", "/h/Di/", "Di - Level 4 7", -1},
        {"/h/Eve/=\"", "/h/Eve/", "", -1},
    };
    for (const auto &c : cases) {
        const RecentHero hero = RecentHeroes::parse(c.line);
        EXPECT_EQ(hero.folder, c.folder) << c.line;
        EXPECT_EQ(hero.caption, c.caption) << c.line;
        EXPECT_EQ(hero.classIcon, c.classIcon) << c.line;
    }
}

} // namespace
