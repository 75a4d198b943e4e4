// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/errors.h"
#include "hero/hero_templates.h"
#include "hero/hero_values.h"
#include "tests/hero/hero_folder_fixture.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <locale>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string WithCrLf(std::string_view text) {
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

// The text with each (line, replacement) pair applied once.
std::string WithLines(std::string text,
                      const std::vector<std::pair<std::string, std::string>> &changes) {
    for (const auto &[line, replacement] : changes) {
        const size_t at = text.find(line);
        EXPECT_NE(at, std::string::npos) << line;
        if (at != std::string::npos)
            text.replace(at, line.size(), replacement);
    }
    return text;
}

const std::string M = "party/members/0/member/";

// The keys WriteGas sets; every other line of a saved file must stay byte for byte.
const std::set<std::string> kOwnedKeys = [] {
    std::set<std::string> keys = {"info/file_name",       "info/hero_name",    "info/screen_name",
                                  M + "actor_class",      M + "gold",          "party/party/gold",
                                  M + "screen_name",      M + "template_name", M + "skills/uber_xp",
                                  M + "skills/uber_level"};
    for (const char *name : {"melee", "ranged", "nature_magic", "combat_magic", "strength",
                             "dexterity", "intelligence"}) {
        keys.insert(M + "skills/" + name + "_xp");
        keys.insert(M + "skills/" + name + "_level");
    }
    return keys;
}();

// The saved file's value of a key given by its slash path.
std::string ValueIn(const std::string &text, const std::string &path) {
    for (const GasLine &line : LinesWithPaths(text))
        if (line.path == path)
            return line.text.substr(line.text.find(" = ") + 3,
                                    line.text.size() - line.text.find(" = ") - 4);
    return "<missing>";
}

TEST_F(HeroFolderTest, NewHeroSavedDiffersFromTheTemplatesOnlyInTheOwnedKeys) {
    hero.NewHero();
    EXPECT_TRUE(hero.IsNew());
    EXPECT_FALSE(hero.Modified());
    const std::string folder = temp / "Imports/Hero/";
    hero.SaveFolder(temp / "Imports/Hero");

    EXPECT_EQ(ReadAll(folder + "Info.gas"),
              WithLines(WithCrLf(InfoTemplate),
                        {{"\"C:\\My Documents\\Dungeon Siege\\Save\\Hero.dsparty\"",
                          "\"Z:\\home\\player\\Documents\\Dungeon Siege\\Save\\Hero.dsparty\""}}));
    std::vector<std::pair<std::string, std::string>> partyChanges = {
        {"template_name = skeleton_good;", "template_name = Skeleton_Good;"}};
    for (const char *name : {"combat_magic", "dexterity", "intelligence", "melee", "nature_magic",
                             "ranged", "strength", "uber"})
        partyChanges.push_back(
            {std::string(name) + "_xp = 0;", std::string(name) + "_xp = 0.00000e+000;"});
    EXPECT_EQ(ReadAll(folder + "Party.gas"), WithLines(WithCrLf(PartyTemplate), partyChanges));
    EXPECT_EQ(ReadAll(folder + "Portrait-0.bmp"), "BM builtin 3");
    EXPECT_EQ(hero.Folder(), folder);
    EXPECT_FALSE(hero.IsNew());
    EXPECT_FALSE(hero.Modified());
    EXPECT_EQ(hero.RecentHeros().front(), folder + "=\"Hero - Level 0 00\"");
}

TEST_F(HeroFolderTest, OpenedFolderSavedUnchangedKeepsEveryKeyItDoesNotOwn) {
    const std::string folder = RealisticFolder();
    hero.OpenFolder(folder);
    hero.SaveFolder("");

    for (const auto &[file, original] :
         {std::pair{"Info.gas", kRealisticInfo}, std::pair{"Party.gas", kRealisticParty}}) {
        const std::vector<GasLine> before = LinesWithPaths(original);
        const std::vector<GasLine> after = LinesWithPaths(ReadAll(folder + file));
        ASSERT_EQ(after.size(), before.size()) << file;
        for (size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(after[i].path, before[i].path) << file << " line " << i + 1;
            if (!kOwnedKeys.count(before[i].path)) {
                EXPECT_EQ(after[i].text, before[i].text) << file << " line " << i + 1;
            }
        }
    }
    const std::string party = ReadAll(folder + "Party.gas");
    EXPECT_EQ(ValueIn(party, M + "skills/melee_level"), "8"); // follows the experience
    EXPECT_EQ(ValueIn(party, M + "skills/melee_xp"), "1.234567e+004");
    EXPECT_EQ(ValueIn(party, M + "skills/strength_level"), "18");
    EXPECT_EQ(ValueIn(party, M + "skills/uber_xp"), "1.304567e+004");
    EXPECT_EQ(ValueIn(party, M + "skills/uber_level"), "9");
    EXPECT_EQ(ValueIn(party, M + "template_name"), "Farmboy");
    EXPECT_EQ(ValueIn(party, M + "screen_name"), "\"Bob the Brave\"");
    const std::string info = ReadAll(folder + "Info.gas");
    EXPECT_EQ(ValueIn(info, "info/file_name"),
              "\"C:\\Documents\\Dungeon Siege\\Save\\Bob the Brave.dsparty\"");
    EXPECT_EQ(ReadAll(folder + "Portrait-0.bmp"), "BM bob's face");
}

TEST_F(HeroFolderTest, SavedValuesFollowTheHeroNotTheFile) {
    std::string party = WithLines(
        kRealisticParty, {{"\"wedge\";\r\n\t\tgold = 1234;", "\"wedge\";\r\n\t\tgold = 999;"},
                          {"melee_xp = 1.234567e+004;", "melee_xp = 34235;"},
                          {"ranged_xp = 7.00000e+002;", "ranged_xp = 0;"},
                          {"uber_xp = 1.304567e+004;", "uber_xp = 3.4235e4;"},
                          {"dexterity_xp = 3.124000e+003;", "dexterity_xp = 12345678;"},
                          {"template_name = farmboy;", "template_name = krug_scout;"}});
    const std::string folder =
        MakeFolder("Odd", {{"Info.gas", kRealisticInfo}, {"Party.gas", party}});
    hero.OpenFolder(folder);
    EXPECT_NEAR(static_cast<double>(hero.Uber()), 12.99, 1e-9);
    hero.SaveFolder("");
    const std::string saved = ReadAll(folder + "Party.gas");
    EXPECT_EQ(ValueIn(saved, M + "gold"), "1234");
    EXPECT_EQ(ValueIn(saved, "party/party/gold"), "1234");
    EXPECT_EQ(ValueIn(saved, M + "skills/uber_level"), "12");
    EXPECT_EQ(ValueIn(saved, M + "skills/uber_xp"), "3.42350e+004");
    EXPECT_EQ(ValueIn(saved, M + "skills/dexterity_xp"), "1.234568e+007");
    EXPECT_EQ(ValueIn(saved, M + "template_name"), "krug_scout");
}

TEST_F(HeroFolderTest, FileNameFollowsTheRenamedHero) {
    const std::string folder = RealisticFolder();
    hero.OpenFolder(folder);
    for (const char *name : {"Rob", "Tom"}) {
        hero.SetName(name);
        hero.SaveFolder("");
        EXPECT_EQ(hero.SavedName(), name);
    }
    const std::string info = ReadAll(folder + "Info.gas");
    EXPECT_EQ(ValueIn(info, "info/file_name"),
              "\"C:\\Documents\\Dungeon Siege\\Save\\Tom.dsparty\"");
    EXPECT_EQ(ValueIn(info, "info/hero_name"), "\"Tom\"");
    EXPECT_EQ(ValueIn(info, "info/screen_name"), "\"Tom\"");
}

TEST_F(HeroFolderTest, FileNameNotNamedAfterTheHeroStaysAsItIs) {
    const std::string folder = MakeFolder(
        "Other",
        {{"Info.gas", WithLines(kRealisticInfo, {{"Bob the Brave.dsparty", "quicksave.dsparty"}})},
         {"Party.gas", kRealisticParty}});
    hero.OpenFolder(folder);
    hero.SetName("Rob");
    hero.SaveFolder("");
    EXPECT_EQ(ValueIn(ReadAll(folder + "Info.gas"), "info/file_name"),
              "\"C:\\Documents\\Dungeon Siege\\Save\\quicksave.dsparty\"");
}

// A new hero's file_name is the save folder as the game sees it under Wine; a rename after the
// first save still finds the saved name in it.
TEST_F(HeroFolderTest, NewHeroFileNameTakesTheGamesPathForm) {
    const struct {
        const char *saveFolder;
        const char *firstSave; // file_name after saving the new hero named Bob
        const char *renamed;   // file_name after renaming him Rob and saving again
    } cases[] = {
        {"/home/p/.steam/steam/steamapps/compatdata/39190/pfx/drive_c/users/steamuser/Documents/"
         "Dungeon Siege/Save/",
         "\"C:\\users\\steamuser\\Documents\\Dungeon Siege\\Save\\Bob.dsparty\"",
         "\"C:\\users\\steamuser\\Documents\\Dungeon Siege\\Save\\Rob.dsparty\""},
        {"/home/player/Documents/Dungeon Siege/Save/",
         "\"Z:\\home\\player\\Documents\\Dungeon Siege\\Save\\Bob.dsparty\"",
         "\"Z:\\home\\player\\Documents\\Dungeon Siege\\Save\\Rob.dsparty\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.saveFolder);
        SetGameSaveFolder(c.saveFolder);
        hero.NewHero();
        hero.SetName("Bob");
        hero.SaveFolder(temp / "Bob");
        const std::string info = temp / "Bob/Info.gas";
        EXPECT_EQ(ValueIn(ReadAll(info), "info/file_name"), c.firstSave);
        hero.SetName("Rob");
        hero.SaveFolder("");
        EXPECT_EQ(ValueIn(ReadAll(info), "info/file_name"), c.renamed);
    }
}

TEST_F(HeroFolderTest, FolderWithoutPortraitGetsOneOnSave) {
    const std::string folder =
        MakeFolder("Bare", {{"Info.gas", kRealisticInfo}, {"Party.gas", kRealisticParty}});
    hero.OpenFolder(folder);
    hero.SaveFolder("");
    EXPECT_EQ(ReadAll(folder + "Portrait-0.bmp"), "BM builtin 0");
}

TEST_F(HeroFolderTest, ModelChangeWritesItsHeadAndSkins) {
    hero.NewHero();
    const std::string head = MemberPath("custom_head");
    const std::string skin0 = MemberPath("skins\r0");
    const std::string skin1 = MemberPath("skins\r1");
    hero.GetSkins = [](TDSHero &, const std::string &model, std::string &headOut,
                       std::vector<std::string> &skins) {
        if (model == "Farmgirl") {
            headOut = "b_c_gah_fg_head_01";
            skins = {"b_c_gah_fg_skin_01", "b_c_pos_a2"};
            return true;
        }
        if (model == "Dwarf") {
            headOut = "b_c_dwf_head";
            skins = {"b_c_dwf_skin"};
            return true;
        }
        if (model == "Farmboy")
            throw std::runtime_error("no skins");
        return false;
    };
    hero.SetModel(dsrFarmgirl);
    EXPECT_EQ(hero.PartyDoc().value(head), "b_c_gah_fg_head_01");
    EXPECT_EQ(hero.PartyDoc().value(skin1), "b_c_pos_a2");
    hero.SetModel(dsrDwarf);
    EXPECT_EQ(hero.PartyDoc().value(head), "b_c_dwf_head");
    EXPECT_EQ(hero.PartyDoc().value(skin0), "b_c_dwf_skin");
    EXPECT_EQ(hero.PartyDoc().value(skin1), "b_c_pos_a2"); // beyond the new model's skins
    const std::string before = hero.PartyDoc().text();
    hero.SetModel(dsrUnknown); // the handler does not know it
    hero.SetModel(dsrFarmboy); // the handler fails
    EXPECT_EQ(hero.PartyDoc().text(), before);
    EXPECT_EQ(hero.Model(), dsrFarmboy);
}

TEST_F(HeroFolderTest, ModelChangeBeforeAnyDocumentIsQuiet) {
    hero.GetSkins = [](TDSHero &, const std::string &, std::string &head,
                       std::vector<std::string> &skins) {
        head = "h";
        skins = {"s"};
        return true;
    };
    hero.SetModel(dsrDwarf);
    EXPECT_EQ(hero.Model(), dsrDwarf);
    EXPECT_TRUE(hero.PartyDoc().root().empty());
}

TEST_F(HeroFolderTest, FailedSaveReportsTheCauseAndKeepsTheHeroUnsaved) {
    hero.NewHero();
    hero.SetName("Bob");
    WriteAll(temp / "file", "not a folder");
    const std::string folder = temp / "file/Bob/";
    try {
        hero.SaveFolder(folder);
        FAIL();
    } catch (const OperationError &error) {
        EXPECT_EQ(error.what(), "Error saving hero.\r\nCannot create file " + folder +
                                    "Info.gas\r\n" + std::strerror(ENOTDIR));
    }
    EXPECT_EQ(hero.Folder(), folder);
    EXPECT_TRUE(hero.IsNew());
    EXPECT_TRUE(hero.Modified());
    EXPECT_TRUE(hero.RecentHeros().empty());

    hero.PartyDoc().setLines("[party]{[members]{[0]{[member]{gold=1;}}}[party]{}}");
    hero.PartyDoc().load();
    try {
        hero.SaveFolder(temp / "Good");
        FAIL();
    } catch (const OperationError &error) {
        EXPECT_STREQ(error.what(), "Error saving hero.\r\nList index out of bounds (-1)");
    }
}

// A locale whose numbers read "1.234.567,5".
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST_F(HeroFolderTest, NumbersUseAPointWhateverTheLocale) {
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
    const std::string folder = RealisticFolder();
    hero.OpenFolder(folder);
    hero.SetGold(1234567);
    hero.SaveFolder("");
    std::locale::global(previous);
    const std::string party = ReadAll(folder + "Party.gas");
    EXPECT_EQ(ValueIn(party, M + "gold"), "1234567");
    EXPECT_EQ(ValueIn(party, M + "skills/melee_xp"), "1.234567e+004");
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.Melee().Experience()), 12345.67);
}

// A new save of a folder whose old files are known, with a big portrait.
class InterruptedSave : public HeroFolderTest {
protected:
    std::string folder;
    void SetUp() override {
        HeroFolderTest::SetUp();
        folder = MakeFolder("Saved", {{"Info.gas", "old info"},
                                      {"Party.gas", "old party"},
                                      {"Portrait-0.bmp", "BM old portrait"}});
        hero.NewHero();
        hero.SetFolder(folder);
        const std::string big = "BM" + std::string(64 * 1024, 'p');
        portrait.picture.assign(big.begin(), big.end());
    }
    size_t FilesInFolder() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
    }
};

// The file size limit stands in for a full disk.
std::string SaveWithFileSizeLimit(TDSHero &hero, rlim_t limit) {
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    std::string message;
    try {
        hero.SaveFolder("");
    } catch (const OperationError &error) {
        message = error.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return message;
}

TEST_F(InterruptedSave, DiskFullAtThePortraitLeavesTheGasFilesNewAndThePortraitOld) {
    const std::string message = SaveWithFileSizeLimit(hero, 16 * 1024);
    EXPECT_EQ(message, "Error saving hero.\r\nCannot create file " + folder + "Portrait-0.bmp");
    EXPECT_EQ(ReadAll(folder + "Info.gas"), hero.InfoDoc().text());
    EXPECT_EQ(ReadAll(folder + "Party.gas"), hero.PartyDoc().text());
    EXPECT_EQ(ReadAll(folder + "Portrait-0.bmp"), "BM old portrait");
    EXPECT_EQ(FilesInFolder(), 3u);
    EXPECT_TRUE(hero.IsNew());
}

TEST_F(InterruptedSave, DiskFullAtTheFirstFileLeavesEveryFileOld) {
    const std::string message = SaveWithFileSizeLimit(hero, 1024);
    EXPECT_EQ(message, "Error saving hero.\r\nCannot create file " + folder + "Info.gas\r\n" +
                           std::strerror(EFBIG));
    EXPECT_EQ(ReadAll(folder + "Info.gas"), "old info");
    EXPECT_EQ(ReadAll(folder + "Party.gas"), "old party");
    EXPECT_EQ(ReadAll(folder + "Portrait-0.bmp"), "BM old portrait");
    EXPECT_EQ(FilesInFolder(), 3u);
}

// A portrait writer that dies halfway, as a crash or a power cut would stop the program.
class DyingPortrait : public FakePortrait {
public:
    void SavePortraitFile(const std::string &path) const override {
        WriteAll(path, "BM half a portr");
        ::raise(SIGKILL);
    }
};

TEST_F(InterruptedSave, CrashWhileWritingThePortraitLeavesNoFileTruncated) {
    DyingPortrait dying;
    hero.SetPortrait(&dying);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            hero.SaveFolder("");
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ReadAll(folder + "Info.gas").rfind("[info]\r\n", 0), 0u);
    EXPECT_EQ(ReadAll(folder + "Party.gas").rfind("[party]\r\n", 0), 0u);
    EXPECT_EQ(ReadAll(folder + "Portrait-0.bmp"), "BM old portrait");
}

} // namespace
