// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/save_folder_search.h"
#include "session/save_folders.h"

#include <QTemporaryDir>

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string DocsSave = "Documents/Dungeon Siege/Save/";
const std::string Proton = ".local/share/Steam/steamapps/compatdata/";
const std::string ProtonSave = "/pfx/drive_c/users/steamuser/Documents/Dungeon Siege/Save/";

struct FakeFile {
    FakeFile(std::string path, std::string content = {}, int ageHours = 0)
        : path(std::move(path)), content(std::move(content)), ageHours(ageHours) {}
    std::string path;    // below the fake home; a path ending in "/" is a folder
    std::string content; // "{home}" stands for the home folder; "->x" makes a link to home/x
    int ageHours;        // how long ago it was written
};

// What the editor makes of a home folder: where a new hero's party goes, and what Import lists
// ("heading: party, party"), paths below the home.
struct Outcome {
    std::string newHeroFolder;
    std::vector<std::string> listed;
};

Outcome searchIn(const std::vector<FakeFile> &files, const std::string &configured = {},
                 const std::string &winePrefix = {}) {
    QTemporaryDir dir;
    const std::string home = fs::canonical(dir.path().toStdString()).string() + '/';
    for (const FakeFile &file : files) {
        fs::create_directories(fs::path(home + file.path).parent_path());
        if (file.content.rfind("->", 0) == 0) {
            fs::create_directory_symlink(home + file.content.substr(2), home + file.path);
            continue;
        }
        if (file.path.back() == '/')
            continue;
        std::string content = file.content;
        if (const size_t at = content.find("{home}"); at != std::string::npos)
            content.replace(at, 6, home);
        std::ofstream(home + file.path) << content;
        fs::last_write_time(home + file.path,
                            fs::file_time_type::clock::now() - std::chrono::hours(file.ageHours));
    }
    const std::vector<GameSaveFolder> found =
        findGameSaveFolders(home, home + "Documents/", [&](const char *name) {
            return std::string(name) == "WINEPREFIX" && !winePrefix.empty() ? home + winePrefix
                                                                            : std::string();
        });
    const auto belowHome = [&](const QString &path) {
        const std::string text = path.toStdString();
        return text.rfind(home, 0) == 0 ? text.substr(home.size()) : text;
    };
    const QString chosen =
        configured.empty() ? QString() : QString::fromStdString(home + configured);
    Outcome outcome;
    outcome.newHeroFolder =
        belowHome(defaultSaveFolder(found, chosen, QString::fromStdString(home + DocsSave)));
    for (const PartyGroup &group : partyGroups(found)) {
        QStringList names;
        for (const SavedParty &party : group.parties)
            names << party.name;
        outcome.listed.push_back((group.heading + ": " + names.join(", ")).toStdString());
    }
    return outcome;
}

} // namespace

TEST(SaveFolderSearch, FindsEveryFolderOfBothGamesAndChoosesWhereNewHeroesGo) {
    const std::string library2 = "disk2/SteamLibrary/steamapps/compatdata/39190";
    const std::string flatpak =
        ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/1";
    const std::string lutris = "Games/ds/drive_c/users/me/Documents/Dungeon Siege/Save/";
    const std::string heroic =
        "Games/Heroic/Prefixes/default/Dungeon Siege/drive_c/users/me/Documents/Dungeon Siege/"
        "Save/";
    const std::string bottles = ".var/app/com.usebottles.bottles/data/bottles/bottles/DS/drive_c/"
                                "users/me/My Documents/Dungeon Siege LOA/Save/";
    const std::string steamRoot = "elsewhere/Steam/steamapps/compatdata/5";
    const struct {
        const char *name;
        std::vector<FakeFile> files;
        std::string configured, winePrefix;
        Outcome expected;
    } cases[] = {
        {"the trap: an old party in the documents folder does not hide a newer one in Proton",
         {{DocsSave + "Old.dsparty", "", 48}, {Proton + "9" + ProtonSave + "New.dsparty", "", 1}},
         "",
         "",
         {Proton + "9" + ProtonSave,
          {"Dungeon Siege in the documents folder: Old", "Dungeon Siege in Proton (9): New"}}},
        {"the expansion beside the first game in the documents folder",
         {{DocsSave + "A.dsparty", "", 5}, {"Documents/Dungeon Siege LOA/Save/B.dsparty", "", 2}},
         "",
         "",
         {"Documents/Dungeon Siege LOA/Save/",
          {"Dungeon Siege in the documents folder: A",
           "Legends of Aranna in the documents folder: B"}}},
        {"proton prefix in a second library named by libraryfolders.vdf",
         {{".local/share/Steam/steamapps/libraryfolders.vdf",
           "\"libraryfolders\" { \"1\" { \"path\"\t\"{home}disk2/SteamLibrary\" \"apps\" { "
           "\"39190\" \"123\" } } }"},
          {library2 + ProtonSave + "Bob.dsparty"}},
         "",
         "",
         {library2 + ProtonSave, {"Dungeon Siege in Proton (39190): Bob"}}},
        {"the older libraryfolders.vdf form, read through a lone ~/.steam/root link",
         {{"elsewhere/Steam/steamapps/libraryfolders.vdf",
           "\"LibraryFolders\" { \"TimeNextStatsReport\" \"1\" \"1\" \"{home}disk2/SteamLibrary\" "
           "}"},
          {".steam/root", "->elsewhere/Steam"},
          {steamRoot + ProtonSave + "A.dsparty", "", 3},
          {library2 + ProtonSave + "Bob.dsparty", "", 1}},
         "",
         "",
         {library2 + ProtonSave,
          {"Dungeon Siege in Proton (5): A", "Dungeon Siege in Proton (39190): Bob"}}},
        {"flatpak steam",
         {{flatpak + ProtonSave + "Bob.dsparty"}},
         "",
         "",
         {flatpak + ProtonSave, {"Dungeon Siege in Proton (1): Bob"}}},
        {"Heroic and Flatpak Bottles; a linked My Documents counts once",
         {{heroic + "H.dsparty", "", 2},
          {bottles + "B.dsparty", "", 1},
          {"Games/Heroic/Prefixes/default/Dungeon Siege/drive_c/users/me/My Documents",
           "->Games/Heroic/Prefixes/default/Dungeon Siege/drive_c/users/me/Documents"}},
         "",
         "",
         {bottles,
          {"Dungeon Siege in Heroic (Dungeon Siege): H", "Legends of Aranna in Bottles (DS): B"}}},
        {"the prefix with the newest party wins, an empty folder never",
         {{".wine/drive_c/users/me/My Documents/Dungeon Siege/Save/Old.dsparty", "", 48},
          {lutris + "New.DSPARTY", "", 1},
          {".local/share/bottles/bottles/ds/drive_c/users/me/Documents/Dungeon Siege/Save/"}},
         "",
         "",
         {lutris, {"Dungeon Siege in Wine (.wine): Old", "Dungeon Siege in Lutris (ds): New"}}},
        {"only empty folders: the first found, before the documents folder is made",
         {{Proton + "3" + ProtonSave}},
         "",
         "",
         {Proton + "3" + ProtonSave, {}}},
        {"$WINEPREFIX",
         {{"wine/drive_c/users/me/Documents/Dungeon Siege/Save/A.dsparty"}},
         "",
         "wine",
         {"wine/drive_c/users/me/Documents/Dungeon Siege/Save/",
          {"Dungeon Siege in Wine (wine): A"}}},
        {"an existing SaveFolder comes first",
         {{Proton + "9" + ProtonSave + "A.dsparty"}, {"mine/"}},
         "mine",
         "",
         {"mine/", {"Dungeon Siege in Proton (9): A"}}},
        {"a SaveFolder that no longer exists is ignored",
         {{Proton + "7" + ProtonSave + "A.dsparty"}},
         "gone/",
         "",
         {Proton + "7" + ProtonSave, {"Dungeon Siege in Proton (7): A"}}},
        {"nothing found, a damaged libraryfolders.vdf skipped: the documents save folder",
         {{".local/share/Steam/steamapps/libraryfolders.vdf", "\"path\" \"{home}unterminated"},
          {"Games/not-a-prefix/readme.txt"}},
         "",
         "",
         {DocsSave, {}}},
    };
    for (const auto &c : cases) {
        const Outcome outcome = searchIn(c.files, c.configured, c.winePrefix);
        EXPECT_EQ(outcome.newHeroFolder, c.expected.newHeroFolder) << c.name;
        EXPECT_EQ(outcome.listed, c.expected.listed) << c.name;
    }
}

TEST(SaveFolderSearch, FindsTheOnePrefixWithSavesAmongMany) {
    std::vector<FakeFile> files;
    for (int i = 0; i < 100; ++i)
        files.push_back({Proton + std::to_string(i) + "/pfx/drive_c/users/steamuser/AppData/"});
    files.push_back({Proton + "75" + ProtonSave + "A.dsparty"});
    EXPECT_EQ(searchIn(files).newHeroFolder, Proton + "75" + ProtonSave);
}
