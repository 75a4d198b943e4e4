// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/errors.h"
#include "hero/hero_templates.h"
#include "hero/hero_values.h"
#include "tests/gas/gas_shape.h"
#include "tests/hero/bitmap_file.h"
#include "tests/hero/comma_decimals.h"
#include "tests/hero/hero_folder_fixture.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The path of a key or block statement in the game's layout: "party/members/0/member/gold".
struct GasLine {
    std::string path;
    std::string text;
};

std::vector<GasLine> linesWithPaths(const std::string &text) {
    std::vector<GasLine> lines;
    std::vector<std::string> blocks;
    std::string pending;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = text.substr(start, end - start);
        const std::string bare = line.substr(line.find_first_not_of('\t'));
        std::string path;
        if (bare.front() == '[') {
            pending = bare.substr(1, bare.size() - 2);
        } else if (bare == "{") {
            blocks.push_back(pending);
        } else if (bare == "}") {
            blocks.pop_back();
        } else {
            for (const std::string &block : blocks)
                path += block + "/";
            path += bare.substr(0, bare.find(" = "));
        }
        lines.push_back({path, line});
    }
    return lines;
}

const std::string member = "party/members/0/member/";

// The keys a save writes; every other line of a saved file must stay byte for byte.
const std::set<std::string> ownedKeys = [] {
    std::set<std::string> keys = {"info/file_name",          "info/hero_name",
                                  "info/screen_name",        member + "actor_class",
                                  member + "gold",           "party/party/gold",
                                  member + "screen_name",    member + "template_name",
                                  member + "skills/uber_xp", member + "skills/uber_level"};
    for (const char *name : {"melee", "ranged", "nature_magic", "combat_magic", "strength",
                             "dexterity", "intelligence"}) {
        keys.insert(member + "skills/" + name + "_xp");
        keys.insert(member + "skills/" + name + "_level");
    }
    return keys;
}();

// The saved file's value of a key given by its slash path.
std::string valueIn(const std::string &text, const std::string &path) {
    for (const GasLine &line : linesWithPaths(text))
        if (line.path == path)
            return line.text.substr(line.text.find(" = ") + 3,
                                    line.text.size() - line.text.find(" = ") - 4);
    return "<missing>";
}

TEST_F(HeroFolderTest, NewHeroSavedDiffersFromTheTemplatesOnlyInTheOwnedKeys) {
    hero.startNew();
    EXPECT_TRUE(hero.isNew());
    EXPECT_FALSE(hero.isModified());
    const std::string folder = temp / "Imports/Hero/";
    hero.saveFolder(temp / "Imports/Hero", saveGameFolder);

    EXPECT_EQ(
        readAll(folder + "Info.gas"),
        withChanges(withCrLf(infoTemplate),
                    {{"\"C:\\My Documents\\Dungeon Siege\\Save\\Hero.dsparty\"",
                      "\"Z:\\home\\player\\Documents\\Dungeon Siege\\Save\\Hero.dsparty\""}}));
    std::vector<std::pair<std::string, std::string>> partyChanges = {
        {"template_name = skeleton_good;", "template_name = Skeleton_Good;"}};
    for (const char *name : {"combat_magic", "dexterity", "intelligence", "melee", "nature_magic",
                             "ranged", "strength", "uber"})
        partyChanges.push_back(
            {std::string(name) + "_xp = 0;", std::string(name) + "_xp = 0.00000e+000;"});
    EXPECT_EQ(readAll(folder + "Party.gas"), withChanges(withCrLf(partyTemplate), partyChanges));
    EXPECT_EQ(readAll(folder + "Portrait-0.bmp"), asText(onePixelPortrait(3)));
    EXPECT_EQ(hero.folder(), folder);
    EXPECT_FALSE(hero.isNew());
    EXPECT_FALSE(hero.isModified());
    EXPECT_EQ(hero.recentHeroes().lines().front(), folder + "=\"Hero - Level 0 00\"");
}

TEST_F(HeroFolderTest, OpenedFolderSavedUnchangedKeepsEveryKeyItDoesNotOwn) {
    const std::string folder = realisticFolder();
    hero.openFolder(folder);
    hero.saveFolder("", saveGameFolder);

    for (const auto &[file, original] :
         {std::pair{"Info.gas", realisticInfo}, std::pair{"Party.gas", realisticParty}}) {
        const std::vector<GasLine> before = linesWithPaths(original);
        const std::vector<GasLine> after = linesWithPaths(readAll(folder + file));
        ASSERT_EQ(after.size(), before.size()) << file;
        for (size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(after[i].path, before[i].path) << file << " line " << i + 1;
            if (!ownedKeys.count(before[i].path)) {
                EXPECT_EQ(after[i].text, before[i].text) << file << " line " << i + 1;
            }
        }
    }
    const std::string party = readAll(folder + "Party.gas");
    EXPECT_EQ(valueIn(party, member + "skills/melee_level"), "8"); // follows the experience
    EXPECT_EQ(valueIn(party, member + "skills/melee_xp"), "1.234567e+004");
    EXPECT_EQ(valueIn(party, member + "skills/strength_level"), "18");
    EXPECT_EQ(valueIn(party, member + "skills/uber_xp"), "1.304567e+004");
    EXPECT_EQ(valueIn(party, member + "skills/uber_level"), "9");
    EXPECT_EQ(valueIn(party, member + "template_name"), "Farmboy");
    EXPECT_EQ(valueIn(party, member + "screen_name"), "\"Bob the Brave\"");
    const std::string info = readAll(folder + "Info.gas");
    EXPECT_EQ(valueIn(info, "info/file_name"),
              "\"C:\\Documents\\Dungeon Siege\\Save\\Bob the Brave.dsparty\"");
    EXPECT_EQ(readAll(folder + "Portrait-0.bmp"), bobsFace);
}

TEST_F(HeroFolderTest, AnUntouchedPortraitIsSavedByteForByteWhateverItsDepth) {
    for (const std::uint32_t bits : {1u, 4u, 8u, 16u, 24u, 32u}) {
        SCOPED_TRACE(bits);
        const std::string folder = realisticFolder();
        const std::string portrait = asText(bitmapFile(37, 5, bits, 0x5a));
        writeAll(folder + "Portrait-0.bmp", portrait);
        hero.openFolder(folder);
        hero.melee().adjustExperience(100);
        hero.saveFolder("", saveGameFolder);
        EXPECT_EQ(readAll(folder + "Portrait-0.bmp"), portrait);
    }
}

TEST_F(HeroFolderTest, SavedValuesFollowTheHeroNotTheFile) {
    std::string party = withChanges(
        realisticParty, {{"\"wedge\";\r\n\t\tgold = 1234;", "\"wedge\";\r\n\t\tgold = 999;"},
                         {"melee_xp = 1.234567e+004;", "melee_xp = 34235;"},
                         {"ranged_xp = 7.00000e+002;", "ranged_xp = 0;"},
                         {"uber_xp = 1.304567e+004;", "uber_xp = 3.4235e4;"},
                         {"dexterity_xp = 3.124000e+003;", "dexterity_xp = 12345678;"},
                         {"template_name = farmboy;", "template_name = krug_scout;"}});
    const std::string folder =
        makeFolder("Odd", {{"Info.gas", realisticInfo}, {"Party.gas", party}});
    hero.openFolder(folder);
    EXPECT_NEAR(static_cast<double>(hero.uber()), 12.99, 1e-9);
    hero.saveFolder("", saveGameFolder);
    const std::string saved = readAll(folder + "Party.gas");
    EXPECT_EQ(valueIn(saved, member + "gold"), "1234");
    EXPECT_EQ(valueIn(saved, "party/party/gold"), "1234");
    EXPECT_EQ(valueIn(saved, member + "skills/uber_level"), "12");
    EXPECT_EQ(valueIn(saved, member + "skills/uber_xp"), "3.42350e+004");
    EXPECT_EQ(valueIn(saved, member + "skills/dexterity_xp"), "1.234568e+007");
    EXPECT_EQ(valueIn(saved, member + "template_name"), "krug_scout");
}

TEST_F(HeroFolderTest, FileNameFollowsTheRenamedHero) {
    const std::string folder = realisticFolder();
    hero.openFolder(folder);
    for (const char *name : {"Rob", "Tom"}) {
        hero.setName(name);
        hero.saveFolder("", saveGameFolder);
        EXPECT_EQ(hero.savedName(), name);
    }
    const std::string info = readAll(folder + "Info.gas");
    EXPECT_EQ(valueIn(info, "info/file_name"),
              "\"C:\\Documents\\Dungeon Siege\\Save\\Tom.dsparty\"");
    EXPECT_EQ(valueIn(info, "info/hero_name"), "\"Tom\"");
    EXPECT_EQ(valueIn(info, "info/screen_name"), "\"Tom\"");
}

TEST_F(HeroFolderTest, FileNameNotNamedAfterTheHeroStaysAsItIs) {
    const std::string folder = makeFolder(
        "Other",
        {{"Info.gas", withChanges(realisticInfo, {{"Bob the Brave.dsparty", "quicksave.dsparty"}})},
         {"Party.gas", realisticParty}});
    hero.openFolder(folder);
    hero.setName("Rob");
    hero.saveFolder("", saveGameFolder);
    EXPECT_EQ(valueIn(readAll(folder + "Info.gas"), "info/file_name"),
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
        // The folder's UTF-8 name in the game's code page, a character it lacks as "?".
        {"/home/p/Spiel \xC3\xA9 \xE2\x82\xAC \xE4\xB8\x80/Save/",
         "\"Z:\\home\\p\\Spiel \xE9 \x80 ?\\Save\\Bob.dsparty\"",
         "\"Z:\\home\\p\\Spiel \xE9 \x80 ?\\Save\\Rob.dsparty\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.saveFolder);
        hero.startNew();
        hero.setName("Bob");
        hero.saveFolder(temp / "Bob", c.saveFolder);
        const std::string info = temp / "Bob/Info.gas";
        EXPECT_EQ(valueIn(readAll(info), "info/file_name"), c.firstSave);
        hero.setName("Rob");
        hero.saveFolder("", c.saveFolder);
        EXPECT_EQ(valueIn(readAll(info), "info/file_name"), c.renamed);
    }
}

TEST_F(HeroFolderTest, FolderWithoutPortraitGetsOneOnSave) {
    const std::string folder =
        makeFolder("Bare", {{"Info.gas", realisticInfo}, {"Party.gas", realisticParty}});
    hero.openFolder(folder);
    hero.saveFolder("", saveGameFolder);
    EXPECT_EQ(readAll(folder + "Portrait-0.bmp"), asText(onePixelPortrait(0)));
}

TEST_F(HeroFolderTest, ModelChangeWritesItsHeadAndSkins) {
    hero.startNew();
    const std::string head = memberPath("custom_head");
    const std::string skin0 = memberPath("skins\r0");
    const std::string skin1 = memberPath("skins\r1");
    hero.clothesOf = [](const std::string &model) -> std::optional<ModelClothes> {
        if (model == "Farmgirl")
            return ModelClothes{"b_c_gah_fg_head_01", {"b_c_gah_fg_skin_01", "b_c_pos_a2"}};
        if (model == "Dwarf")
            return ModelClothes{"b_c_dwf_head", {"b_c_dwf_skin"}};
        if (model == "Farmboy")
            throw std::runtime_error("no skins");
        return std::nullopt;
    };
    hero.setModel(HeroModel::Farmgirl);
    EXPECT_EQ(hero.partyDocument().value(head), "b_c_gah_fg_head_01");
    EXPECT_EQ(hero.partyDocument().value(skin1), "b_c_pos_a2");
    hero.setModel(HeroModel::Dwarf);
    EXPECT_EQ(hero.partyDocument().value(head), "b_c_dwf_head");
    EXPECT_EQ(hero.partyDocument().value(skin0), "b_c_dwf_skin");
    EXPECT_EQ(hero.partyDocument().value(skin1), "b_c_pos_a2"); // beyond the new model's skins
    const std::string before = hero.partyDocument().text();
    hero.setModel(HeroModel::Unknown); // the handler does not know it
    hero.setModel(HeroModel::Farmboy); // the handler fails
    EXPECT_EQ(hero.partyDocument().text(), before);
    EXPECT_EQ(hero.model(), HeroModel::Farmboy);
}

TEST_F(HeroFolderTest, ModelChangeBeforeAnyDocumentIsQuiet) {
    hero.clothesOf = [](const std::string &) { return ModelClothes{"h", {"s"}}; };
    hero.setModel(HeroModel::Dwarf);
    EXPECT_EQ(hero.model(), HeroModel::Dwarf);
    EXPECT_TRUE(hero.partyDocument().root().empty());
}

TEST_F(HeroFolderTest, FailedSaveReportsTheCauseAndKeepsTheHeroUnsaved) {
    hero.startNew();
    hero.setName("Bob");
    writeAll(temp / "file", "not a folder");
    const std::string folder = temp / "file/Bob/";
    try {
        hero.saveFolder(folder, saveGameFolder);
        FAIL();
    } catch (const OperationError &error) {
        EXPECT_EQ(error.what(), "Error saving hero.\r\nCannot create file " + folder +
                                    "Info.gas\r\n" + std::strerror(ENOTDIR));
    }
    EXPECT_EQ(hero.folder(), folder);
    EXPECT_TRUE(hero.isNew());
    EXPECT_TRUE(hero.isModified());
    EXPECT_TRUE(hero.recentHeroes().lines().empty());

    hero.partyDocument().setLines("[party]{[members]{[0]{[member]{gold=1;}}}[party]{}}");
    hero.partyDocument().load();
    try {
        hero.saveFolder(temp / "Good", saveGameFolder);
        FAIL();
    } catch (const OperationError &error) {
        EXPECT_STREQ(error.what(), "Error saving hero.\r\nList index out of bounds (-1)");
    }
}

TEST_F(HeroFolderTest, NumbersUseAPointWhateverTheLocale) {
    const std::string folder = realisticFolder();
    {
        const CommaDecimals commaDecimals;
        hero.openFolder(folder);
        hero.setGold(1234567);
        hero.saveFolder("", saveGameFolder);
    }
    const std::string party = readAll(folder + "Party.gas");
    EXPECT_EQ(valueIn(party, member + "gold"), "1234567");
    EXPECT_EQ(valueIn(party, member + "skills/melee_xp"), "1.234567e+004");
    EXPECT_DOUBLE_EQ(static_cast<double>(hero.melee().experience()), 12345.67);
}

// A new save of a folder whose old files are known, with a big portrait.
class InterruptedSave : public HeroFolderTest {
protected:
    const std::string oldPortrait = asText(onePixelPortrait(7));
    const std::string folder = makeFolder(
        "Saved",
        {{"Info.gas", "old info"}, {"Party.gas", "old party"}, {"Portrait-0.bmp", oldPortrait}});

    InterruptedSave() {
        hero.startNew();
        hero.setFolder(folder);
        hero.setPortrait(bitmapFile(128, 128, 32)); // 64 KiB of pixels
    }

    size_t filesInFolder() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
    }

    // Saves with no file allowed beyond the limit, as on a full disk. With the signal's default
    // action the program dies at the write that fails, as in a crash or a power cut.
    std::string saveWithFileSizeLimit(rlim_t limit, void (*onLimit)(int) = SIG_IGN) {
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        auto oldHandler = std::signal(SIGXFSZ, onLimit);
        rlimit limited = saved;
        limited.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &limited);
        std::string message;
        try {
            hero.saveFolder("", saveGameFolder);
        } catch (const OperationError &error) {
            message = error.what();
        }
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        return message;
    }
};

TEST_F(InterruptedSave, DiskFullAtThePortraitLeavesTheGasFilesNewAndThePortraitOld) {
    const std::string message = saveWithFileSizeLimit(16 * 1024);
    EXPECT_EQ(message, "Error saving hero.\r\nCannot create file " + folder + "Portrait-0.bmp\r\n" +
                           std::strerror(EFBIG));
    EXPECT_EQ(readAll(folder + "Info.gas"), hero.infoDocument().text());
    EXPECT_EQ(readAll(folder + "Party.gas"), hero.partyDocument().text());
    EXPECT_EQ(readAll(folder + "Portrait-0.bmp"), oldPortrait);
    EXPECT_EQ(filesInFolder(), 3u);
    EXPECT_TRUE(hero.isNew());
}

TEST_F(InterruptedSave, DiskFullAtTheFirstFileLeavesEveryFileOld) {
    const std::string message = saveWithFileSizeLimit(1024);
    EXPECT_EQ(message, "Error saving hero.\r\nCannot create file " + folder + "Info.gas\r\n" +
                           std::strerror(EFBIG));
    EXPECT_EQ(readAll(folder + "Info.gas"), "old info");
    EXPECT_EQ(readAll(folder + "Party.gas"), "old party");
    EXPECT_EQ(readAll(folder + "Portrait-0.bmp"), oldPortrait);
    EXPECT_EQ(filesInFolder(), 3u);
}

TEST_F(InterruptedSave, CrashWhileWritingThePortraitLeavesNoFileTruncated) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit noCoreFile{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCoreFile);
        saveWithFileSizeLimit(16 * 1024, SIG_DFL);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    EXPECT_EQ(readAll(folder + "Info.gas").rfind("[info]\r\n", 0), 0u);
    EXPECT_EQ(readAll(folder + "Party.gas").rfind("[party]\r\n", 0), 0u);
    EXPECT_EQ(readAll(folder + "Portrait-0.bmp"), oldPortrait);
}

} // namespace
