// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/errors.h"
#include "tests/hero/hero_folder_fixture.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

TEST_F(HeroFolderTest, OpenReadsTheHeroAndItsPortrait) {
    const std::string folder = realisticFolder();
    hero.startNew();
    changes = 0;
    hero.openFolder(folder);

    EXPECT_EQ(hero.name(), "Bob the Brave");
    EXPECT_EQ(hero.savedName(), "Bob the Brave");
    EXPECT_EQ(hero.model(), HeroModel::Farmboy);
    EXPECT_EQ(hero.gold(), 1234);
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.melee().experience()), 12345.67);
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.ranged().experience()), 700);
    EXPECT_EQ(hero.nature().experience(), 0);
    EXPECT_EQ(hero.unassignedExperience().experience(), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.strength().experience()), 9500);
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.dexterity().experience()), 3124);
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.intelligence().experience()), 75);
    EXPECT_EQ(hero.melee().level(), 8); // from the experience, not the stored melee_level 9
    EXPECT_GT(hero.uber(), 9);
    EXPECT_LT(hero.uber(), 10);
    EXPECT_EQ(asText(hero.portrait()), bobsFace);
    EXPECT_EQ(hero.folder(), folder);
    EXPECT_FALSE(hero.isNew());
    EXPECT_FALSE(hero.isModified());
    EXPECT_EQ(hero.recentHeroes().lines(),
              std::vector<std::string>{folder + "=\"Bob the Brave - Level 9 01\""});
    EXPECT_GT(changes, 0);
}

TEST_F(HeroFolderTest, OpenWithAndWithoutTheFinalSlashReadsTheSameFolder) {
    const std::string folder = realisticFolder();
    hero.openFolder(folder.substr(0, folder.size() - 1));
    EXPECT_EQ(hero.folder(), folder);
    EXPECT_EQ(hero.name(), "Bob the Brave");
}

TEST_F(HeroFolderTest, OpenWithoutPortraitShowsTheModelsBuiltInOne) {
    const std::string folder = makeFolder(
        "Dwarf",
        {{"Info.gas", realisticInfo},
         {"Party.gas",
          withChanges(realisticParty, {{"template_name = farmboy;", "template_name = DWARF;"}})}});
    hero.openFolder(folder);
    EXPECT_EQ(hero.model(), HeroModel::Dwarf);
    EXPECT_EQ(hero.portrait(), onePixelPortrait(2));
}

TEST_F(HeroFolderTest, AFolderNamedLikeThePortraitIsNoPortrait) {
    const std::string folder = realisticFolder();
    std::filesystem::remove(folder + "Portrait-0.bmp");
    std::filesystem::create_directory(folder + "Portrait-0.bmp");
    hero.openFolder(folder);
    EXPECT_EQ(hero.name(), "Bob the Brave");
    EXPECT_EQ(hero.portrait(), onePixelPortrait(0));
    EXPECT_FALSE(hero.isModified());

    // Saving writes the Gas files and names the folder that stands in the portrait's way.
    hero.setGold(7);
    try {
        hero.saveFolder("", saveGameFolder);
        FAIL();
    } catch (const OperationError &error) {
        EXPECT_EQ(error.what(), "Error saving hero.\r\nCannot create file " + folder +
                                    "Portrait-0.bmp\r\n" + std::strerror(EISDIR));
    }
    EXPECT_NE(readAll(folder + "Party.gas").find("gold = 7;"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder + "Portrait-0.bmp"));
}

TEST_F(HeroFolderTest, UberExperienceBeyondTheSkillsGoesToTheUnassignedRestAndNeverBelowZero) {
    const std::string more = makeFolder(
        "More", {{"Info.gas", realisticInfo},
                 {"Party.gas", withChanges(realisticParty, {{"uber_xp = 1.304567e+004;",
                                                             "uber_xp = 2.000000e+004;"}})}});
    hero.openFolder(more);
    EXPECT_NEAR(static_cast<double>(hero.unassignedExperience().experience()), 20000 - 13045.67,
                1e-6);
    EXPECT_NEAR(static_cast<double>(hero.totalExperience()), 20000, 1e-6);

    const std::string less =
        makeFolder("Less", {{"Info.gas", realisticInfo},
                            {"Party.gas", withChanges(realisticParty, {{"uber_xp = 1.304567e+004;",
                                                                        "uber_xp = 1.0e+002;"}})}});
    hero.openFolder(less);
    EXPECT_EQ(hero.unassignedExperience().experience(), 0);
    EXPECT_NEAR(static_cast<double>(hero.totalExperience()), 13045.67, 1e-6);
}

TEST_F(HeroFolderTest, MissingNameAndUnknownTemplateAreNoErrors) {
    const std::string party =
        withChanges(realisticParty, {{"\t\t\t\tscreen_name = \"Bob the Brave\";\r\n", ""},
                                     {"template_name = farmboy;", "template_name = krug_scout;"}});
    hero.openFolder(makeFolder("Odd", {{"Info.gas", realisticInfo}, {"Party.gas", party}}));
    EXPECT_EQ(hero.name(), "");
    EXPECT_EQ(hero.model(), HeroModel::Unknown);
}

TEST_F(HeroFolderTest, ReopeningTheCurrentFolderDiscardsUnsavedChanges) {
    hero.openFolder(realisticFolder());
    hero.setName("Changed");
    hero.setGold(5);
    ASSERT_TRUE(hero.isModified());
    hero.openFolder("");
    EXPECT_EQ(hero.name(), "Bob the Brave");
    EXPECT_EQ(hero.gold(), 1234);
    EXPECT_FALSE(hero.isModified());
}

// Everything a failed open must leave as it was.
struct HeroState {
    std::string info, party, name, savedName, folder, portrait;
    HeroModel model;
    int gold;
    std::vector<long double> experience;
    long double uber;
    bool isNew, modified;
    std::vector<std::string> recent;
    bool operator==(const HeroState &) const = default;
};

HeroState stateOf(Hero &hero) {
    return {hero.infoDocument().text(),
            hero.partyDocument().text(),
            hero.name(),
            hero.savedName(),
            hero.folder(),
            asText(hero.portrait()),
            hero.model(),
            hero.gold(),
            {hero.melee().experience(), hero.ranged().experience(), hero.nature().experience(),
             hero.combat().experience(), hero.unassignedExperience().experience(),
             hero.strength().experience(), hero.dexterity().experience(),
             hero.intelligence().experience()},
            hero.uber(),
            hero.isNew(),
            hero.isModified(),
            hero.recentHeroes().lines()};
}

struct OpenFailure {
    const char *cause;
    const char *file;         // the file to replace or remove
    std::string (*content)(); // its new content; null removes it
    const char *message;      // the underlying message; "@" stands for the folder
};

std::string partyWith(const char *what, const char *with) {
    return withChanges(realisticParty, {{what, with}});
}

const OpenFailure openFailures[] = {
    {"no Info.gas", "Info.gas", nullptr, "Cannot open file @Info.gas"},
    {"no Party.gas", "Party.gas", nullptr, "Cannot open file @Party.gas"},
    {"broken Info.gas", "Info.gas", [] { return realisticInfo.substr(0, 200); },
     "Gas file structure could not be read"},
    {"broken Party.gas", "Party.gas", [] { return std::string("[party]{[members]{"); },
     "Gas file structure could not be read"},
    {"no skills block", "Party.gas",
     [] { return partyWith("\t\t\t\t[skills]", "\t\t\t\t[abilities]"); },
     "List index out of bounds (-1)"},
    {"no gold", "Party.gas", [] { return partyWith("\t\t\t\tgold = 1234;\r\n", ""); },
     "'' is not a valid integer value"},
    {"fractional gold", "Party.gas", [] { return partyWith("gold = 1234;", "gold = 12.5;"); },
     "'12.5' is not a valid integer value"},
    {"gold beyond 32 bits", "Party.gas",
     [] { return partyWith("gold = 1234;", "gold = 99999999999;"); },
     "'99999999999' is not a valid integer value"},
    {"melee experience not a number", "Party.gas",
     [] { return partyWith("melee_xp = 1.234567e+004;", "melee_xp = 1,5;"); },
     "'1,5' is not a valid floating point value"},
    {"no intelligence experience", "Party.gas",
     [] { return partyWith("\t\t\t\t\tintelligence_xp = 7.50000e+001;\r\n", ""); },
     "'' is not a valid floating point value"},
    {"portrait not a bitmap", "Portrait-0.bmp", [] { return std::string("GIF89a"); },
     "Bitmap image is not valid"},
    {"portrait holding PNG data", "Portrait-0.bmp",
     [] { return std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x40\0\0\0\x40", 24); },
     "Bitmap image is not valid"},
};

TEST_F(HeroFolderTest, FailedOpenReportsTheCauseAndLeavesTheHeroExactlyAsItWas) {
    hero.startNew();
    hero.openFolder(realisticFolder("Current"));
    hero.setName("Bob the Bold"); // unsaved change
    hero.setModel(HeroModel::Dwarf);
    for (const OpenFailure &failure : openFailures) {
        const std::string folder = realisticFolder(failure.cause);
        const std::string file = folder + failure.file;
        if (failure.content)
            writeAll(file, failure.content());
        else
            std::filesystem::remove(file);
        const HeroState before = stateOf(hero);
        changes = 0;
        std::string message = failure.message;
        if (message.find('@') != std::string::npos)
            message.replace(message.find('@'), 1, folder);

        try {
            hero.openFolder(folder);
            ADD_FAILURE() << failure.cause << ": opened";
        } catch (const OperationError &error) {
            EXPECT_EQ(error.what(), "Error opening hero.\r\n" + message) << failure.cause;
        }
        EXPECT_TRUE(stateOf(hero) == before) << failure.cause;
        EXPECT_EQ(changes, 0) << failure.cause;
    }
}

TEST_F(HeroFolderTest, FailedOpenOfANewHeroKeepsItNewAndItsFolder) {
    hero.setFolder(temp / "start/");
    hero.startNew();
    const HeroState before = stateOf(hero);
    EXPECT_THROW(hero.openFolder(temp / "nowhere"), OperationError);
    EXPECT_TRUE(stateOf(hero) == before);
    EXPECT_TRUE(hero.isNew());
    EXPECT_EQ(hero.folder(), temp / "start/");
}

} // namespace
