// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/errors.h"
#include "tests/hero/hero_folder_fixture.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

std::string Replaced(std::string text, const std::string &what, const std::string &with) {
    const size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    if (at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

TEST_F(HeroFolderTest, OpenReadsTheHeroAndItsPortrait) {
    const std::string folder = RealisticFolder();
    hero.NewHero();
    events.clear();
    hero.OpenFolder(folder);

    EXPECT_EQ(hero.HeroName(), "Bob the Brave");
    EXPECT_EQ(hero.SavedName(), "Bob the Brave");
    EXPECT_EQ(hero.Model(), dsrFarmboy);
    EXPECT_EQ(hero.Gold(), 1234);
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.Melee().Experience()), 12345.67);
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.Ranged().Experience()), 700);
    EXPECT_EQ(hero.Nature().Experience(), 0);
    EXPECT_EQ(hero.Kungfu().Experience(), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.Strength().Experience()), 9500);
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.Dexterity().Experience()), 3124);
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.Intelligence().Experience()), 75);
    EXPECT_EQ(hero.Melee().Level(), 8); // from the experience, not the stored melee_level 9
    EXPECT_GT(hero.Uber(), 9);
    EXPECT_LT(hero.Uber(), 10);
    EXPECT_EQ(portrait.text(), "BM bob's face");
    EXPECT_EQ(hero.Folder(), folder);
    EXPECT_FALSE(hero.IsNew());
    EXPECT_FALSE(hero.Modified());
    ASSERT_FALSE(hero.RecentHeros().empty());
    EXPECT_EQ(hero.RecentHeros().front().rfind(folder + "=\"Bob the Brave - Level 9 ", 0), 0u)
        << hero.RecentHeros().front();
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(events.end() - 3, events.end()),
              (std::vector<std::string>{"PropChanged", "StatsChanged", "Unmodified"}));
}

TEST_F(HeroFolderTest, OpenWithAndWithoutTheFinalSlashReadsTheSameFolder) {
    const std::string folder = RealisticFolder();
    hero.OpenFolder(folder.substr(0, folder.size() - 1));
    EXPECT_EQ(hero.Folder(), folder);
    EXPECT_EQ(hero.HeroName(), "Bob the Brave");
}

TEST_F(HeroFolderTest, OpenWithoutPortraitShowsTheModelsBuiltInOne) {
    const std::string folder =
        MakeFolder("Dwarf", {{"Info.gas", kRealisticInfo},
                             {"Party.gas", Replaced(kRealisticParty, "template_name = farmboy;",
                                                    "template_name = DWARF;")}});
    hero.OpenFolder(folder);
    EXPECT_EQ(hero.Model(), dsrDwarf);
    EXPECT_EQ(portrait.text(), "BM builtin 2");
}

TEST_F(HeroFolderTest, AFolderNamedLikeThePortraitIsNoPortrait) {
    const std::string folder = RealisticFolder();
    std::filesystem::remove(folder + "Portrait-0.bmp");
    std::filesystem::create_directory(folder + "Portrait-0.bmp");
    hero.OpenFolder(folder);
    EXPECT_EQ(hero.HeroName(), "Bob the Brave");
    EXPECT_EQ(portrait.text(), "BM builtin 0");
    EXPECT_FALSE(hero.Modified());

    // Saving writes the Gas files and names the folder that stands in the portrait's way.
    hero.SetGold(7);
    try {
        hero.SaveFolder();
        FAIL();
    } catch (const OperationError &error) {
        EXPECT_EQ(error.what(), "Error saving hero.\r\nCannot create file " + folder +
                                    "Portrait-0.bmp\r\n" + std::strerror(EISDIR));
    }
    EXPECT_NE(ReadAll(folder + "Party.gas").find("gold = 7;"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder + "Portrait-0.bmp"));
}

TEST_F(HeroFolderTest, UberExperienceBeyondTheSkillsGoesToKungfuAndNeverBelowZero) {
    const std::string more =
        MakeFolder("More", {{"Info.gas", kRealisticInfo},
                            {"Party.gas", Replaced(kRealisticParty, "uber_xp = 1.304567e+004;",
                                                   "uber_xp = 2.000000e+004;")}});
    hero.OpenFolder(more);
    EXPECT_NEAR(static_cast<double>(hero.Kungfu().Experience()), 20000 - 13045.67, 1e-6);
    EXPECT_NEAR(static_cast<double>(hero.TotalExperience()), 20000, 1e-6);

    const std::string less =
        MakeFolder("Less", {{"Info.gas", kRealisticInfo},
                            {"Party.gas", Replaced(kRealisticParty, "uber_xp = 1.304567e+004;",
                                                   "uber_xp = 1.0e+002;")}});
    hero.OpenFolder(less);
    EXPECT_EQ(hero.Kungfu().Experience(), 0);
    EXPECT_NEAR(static_cast<double>(hero.TotalExperience()), 13045.67, 1e-6);
}

TEST_F(HeroFolderTest, MissingNameAndUnknownTemplateAreNoErrors) {
    std::string party =
        Replaced(kRealisticParty, "\t\t\t\tscreen_name = \"Bob the Brave\";\r\n", "");
    party = Replaced(party, "template_name = farmboy;", "template_name = krug_scout;");
    hero.OpenFolder(MakeFolder("Odd", {{"Info.gas", kRealisticInfo}, {"Party.gas", party}}));
    EXPECT_EQ(hero.HeroName(), "");
    EXPECT_EQ(hero.Model(), dsrUnknown);
}

TEST_F(HeroFolderTest, ReopeningTheCurrentFolderDiscardsUnsavedChanges) {
    hero.OpenFolder(RealisticFolder());
    hero.SetName("Changed");
    hero.SetGold(5);
    ASSERT_TRUE(hero.Modified());
    hero.OpenFolder("");
    EXPECT_EQ(hero.HeroName(), "Bob the Brave");
    EXPECT_EQ(hero.Gold(), 1234);
    EXPECT_FALSE(hero.Modified());
}

// Everything a failed open must leave as it was.
struct HeroState {
    std::string info, party, name, savedName, folder, portrait;
    TDSRaces model;
    int gold;
    std::vector<long double> experience;
    long double uber;
    bool isNew, modified;
    std::vector<std::string> recent;
    bool operator==(const HeroState &) const = default;
};

HeroState StateOf(TDSHero &hero, const FakePortrait &portrait) {
    return {hero.InfoDoc().text(),
            hero.PartyDoc().text(),
            hero.HeroName(),
            hero.SavedName(),
            hero.Folder(),
            portrait.text(),
            hero.Model(),
            hero.Gold(),
            {hero.Melee().Experience(), hero.Ranged().Experience(), hero.Nature().Experience(),
             hero.Combat().Experience(), hero.Kungfu().Experience(), hero.Strength().Experience(),
             hero.Dexterity().Experience(), hero.Intelligence().Experience()},
            hero.Uber(),
            hero.IsNew(),
            hero.Modified(),
            hero.RecentHeros()};
}

struct OpenFailure {
    const char *cause;
    const char *file;         // the file to replace or remove
    std::string (*content)(); // its new content; null removes it
    const char *message;      // the underlying message; "@" stands for the folder
};

std::string PartyWith(const char *what, const char *with) {
    return Replaced(kRealisticParty, what, with);
}

const OpenFailure kOpenFailures[] = {
    {"no Info.gas", "Info.gas", nullptr, "Cannot open file @Info.gas"},
    {"no Party.gas", "Party.gas", nullptr, "Cannot open file @Party.gas"},
    {"broken Info.gas", "Info.gas", [] { return kRealisticInfo.substr(0, 200); },
     "Gas file structure could not be read"},
    {"broken Party.gas", "Party.gas", [] { return std::string("[party]{[members]{"); },
     "Gas file structure could not be read"},
    {"no skills block", "Party.gas",
     [] { return PartyWith("\t\t\t\t[skills]", "\t\t\t\t[abilities]"); },
     "List index out of bounds (-1)"},
    {"no gold", "Party.gas", [] { return PartyWith("\t\t\t\tgold = 1234;\r\n", ""); },
     "'' is not a valid integer value"},
    {"fractional gold", "Party.gas", [] { return PartyWith("gold = 1234;", "gold = 12.5;"); },
     "'12.5' is not a valid integer value"},
    {"gold beyond 32 bits", "Party.gas",
     [] { return PartyWith("gold = 1234;", "gold = 99999999999;"); },
     "'99999999999' is not a valid integer value"},
    {"melee experience not a number", "Party.gas",
     [] { return PartyWith("melee_xp = 1.234567e+004;", "melee_xp = 1,5;"); },
     "'1,5' is not a valid floating point value"},
    {"no intelligence experience", "Party.gas",
     [] { return PartyWith("\t\t\t\t\tintelligence_xp = 7.50000e+001;\r\n", ""); },
     "'' is not a valid floating point value"},
    {"portrait not a bitmap", "Portrait-0.bmp", [] { return std::string("GIF89a"); },
     "Bitmap image is not valid"},
};

TEST_F(HeroFolderTest, FailedOpenReportsTheCauseAndLeavesTheHeroExactlyAsItWas) {
    hero.NewHero();
    hero.OpenFolder(RealisticFolder("Current"));
    hero.SetName("Bob the Bold"); // unsaved change
    hero.SetModel(dsrDwarf);
    for (const OpenFailure &failure : kOpenFailures) {
        const std::string folder = RealisticFolder(failure.cause);
        const std::string file = folder + failure.file;
        if (failure.content)
            WriteAll(file, failure.content());
        else
            std::filesystem::remove(file);
        const HeroState before = StateOf(hero, portrait);
        events.clear();
        std::string message = failure.message;
        if (message.find('@') != std::string::npos)
            message.replace(message.find('@'), 1, folder);

        try {
            hero.OpenFolder(folder);
            ADD_FAILURE() << failure.cause << ": opened";
        } catch (const OperationError &error) {
            EXPECT_EQ(error.what(), "Error opening hero.\r\n" + message) << failure.cause;
        }
        EXPECT_TRUE(StateOf(hero, portrait) == before) << failure.cause;
        EXPECT_TRUE(events.empty()) << failure.cause;
    }
}

TEST_F(HeroFolderTest, FailedOpenOfANewHeroKeepsItNewAndItsFolder) {
    hero.SetFolder(temp / "start/");
    hero.NewHero();
    const HeroState before = StateOf(hero, portrait);
    EXPECT_THROW(hero.OpenFolder(temp / "nowhere"), OperationError);
    EXPECT_TRUE(StateOf(hero, portrait) == before);
    EXPECT_TRUE(hero.IsNew());
    EXPECT_EQ(hero.Folder(), temp / "start/");
}

} // namespace
