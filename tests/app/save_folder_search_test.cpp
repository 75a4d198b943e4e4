// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/save_folder_search.h"

#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
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
    std::string content; // "{home}" stands for the home folder
    int ageHours;        // how long ago it was written
};

// A home folder made of the files; answers the save folder chosen in it, below the home.
std::string chooseIn(const std::vector<FakeFile> &files, const std::string &configured,
                     const std::string &winePrefix,
                     std::chrono::steady_clock::duration *took = nullptr) {
    QTemporaryDir dir;
    const std::string home = fs::canonical(dir.path().toStdString()).string() + '/';
    for (const FakeFile &file : files) {
        fs::create_directories(fs::path(home + file.path).parent_path());
        if (file.path.back() == '/')
            continue;
        std::string content = file.content;
        if (const size_t at = content.find("{home}"); at != std::string::npos)
            content.replace(at, 6, home);
        std::ofstream(home + file.path) << content;
        fs::last_write_time(home + file.path,
                            fs::file_time_type::clock::now() - std::chrono::hours(file.ageHours));
    }
    const auto start = std::chrono::steady_clock::now();
    const std::string chosen = chooseSaveFolder(
        configured.empty() ? "" : home + configured, home + DocsSave, home, [&](const char *name) {
            return std::string(name) == "WINEPREFIX" && !winePrefix.empty() ? home + winePrefix
                                                                            : std::string();
        });
    if (took)
        *took = std::chrono::steady_clock::now() - start;
    return chosen.substr(0, home.size()) == home ? chosen.substr(home.size()) : chosen;
}

} // namespace

TEST(SaveFolderSearch, ChoosesWhereTheGameKeepsItsSaves) {
    const std::string library2 = "disk2/SteamLibrary/steamapps/compatdata/39190";
    const std::string flatpak =
        ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/1";
    const std::string lutris = "Games/ds/drive_c/users/me/Documents/Dungeon Siege/Save/";
    const struct {
        const char *name;
        std::vector<FakeFile> files;
        std::string configured, winePrefix, expected;
    } cases[] = {
        {"plain documents saves beat prefixes",
         {{DocsSave + "A.dsparty"}, {Proton + "9" + ProtonSave + "B.dsparty"}},
         "",
         "",
         DocsSave},
        {"proton prefix in a second library named by libraryfolders.vdf",
         {{".local/share/Steam/steamapps/libraryfolders.vdf",
           "\"libraryfolders\" { \"1\" { \"path\"\t\"{home}disk2/SteamLibrary\" \"label\" \"\" } "
           "}"},
          {library2 + ProtonSave + "Bob.dsparty"}},
         "",
         "",
         library2 + ProtonSave},
        {"flatpak steam", {{flatpak + ProtonSave + "Bob.dsparty"}}, "", "", flatpak + ProtonSave},
        {"the prefix with the newest party wins, an empty one loses",
         {{".wine/drive_c/users/me/My Documents/Dungeon Siege/Save/Old.dsparty", "", 48},
          {lutris + "New.DSPARTY", "", 1},
          {".local/share/bottles/bottles/ds/drive_c/users/me/Documents/Dungeon Siege/Save/"}},
         "",
         "",
         lutris},
        {"$WINEPREFIX",
         {{"wine/drive_c/users/me/Documents/Dungeon Siege/Save/A.dsparty"}},
         "",
         "wine",
         "wine/drive_c/users/me/Documents/Dungeon Siege/Save/"},
        {"an existing SaveFolder comes first",
         {{DocsSave + "A.dsparty"}, {"mine/"}},
         "mine",
         "",
         "mine/"},
        {"a SaveFolder that no longer exists is ignored",
         {{Proton + "7" + ProtonSave + "A.dsparty"}},
         "gone/",
         "",
         Proton + "7" + ProtonSave},
        {"nothing found, a damaged libraryfolders.vdf skipped: the documents save folder",
         {{".local/share/Steam/steamapps/libraryfolders.vdf", "\"path\" \"{home}unterminated"},
          {"Games/not-a-prefix/readme.txt"}},
         "",
         "",
         DocsSave},
    };
    for (const auto &c : cases)
        EXPECT_EQ(chooseIn(c.files, c.configured, c.winePrefix), c.expected) << c.name;
}

TEST(SaveFolderSearch, HundredsOfPrefixesTakeWellUnderASecond) {
    std::vector<FakeFile> files;
    for (int i = 0; i < 400; ++i)
        files.push_back({Proton + std::to_string(i) + "/pfx/drive_c/users/steamuser/AppData/"});
    files.push_back({Proton + "250" + ProtonSave + "A.dsparty"});
    std::chrono::steady_clock::duration took{};
    EXPECT_EQ(chooseIn(files, "", "", &took), Proton + "250" + ProtonSave);
    EXPECT_LT(took, std::chrono::milliseconds(250));
    std::printf("searched 400 prefixes in %lld us\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(took).count()));
}
