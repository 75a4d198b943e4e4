// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/recent_heroes.h"

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

    recent.add("/HEROES/H4/", "Bob", 20, 1); // folders compare without regard to case
    ASSERT_EQ(recent.lines().size(), 9u);
    EXPECT_EQ(recent.lines().front(), "/HEROES/H4/=\"Bob - Level 20 01\"");
    for (std::size_t i = 1; i < 9; ++i)
        EXPECT_EQ(recent.lines()[i].find("/heroes/h4/"), std::string::npos) << i;
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
