#include "app/savefolder_search.h"

#include <QTemporaryDir>

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string DocsSave = "Documents/Dungeon Siege/Save/";
const std::string ProtonSave = "pfx/drive_c/users/steamuser/Documents/Dungeon Siege/Save/";

struct FakeFile {
    std::string path;    // below the fake home; "{home}" in the content is the home folder
    std::string content; // a path ending in "/" is a folder
    int ageHours = 0;    // how long ago it was written
};

struct FakeHome {
    QTemporaryDir dir;
    fs::path home = dir.path().toStdString();

    void Make(const std::vector<FakeFile> &files) const {
        for (const FakeFile &file : files) {
            const fs::path path = home / file.path;
            if (file.path.back() == '/') {
                fs::create_directories(path);
                continue;
            }
            fs::create_directories(path.parent_path());
            std::string content = file.content;
            for (size_t at; (at = content.find("{home}")) != std::string::npos;)
                content.replace(at, 6, home.string());
            std::ofstream(path) << content;
            fs::last_write_time(path, fs::file_time_type::clock::now() -
                                          std::chrono::hours(file.ageHours));
        }
    }
    std::string Choose(const std::string &configured, const std::string &winePrefix = {}) const {
        return ChooseSaveFolder(
            configured, (home / DocsSave).string(), home, [&](const char *name) {
                return std::string(name) == "WINEPREFIX" ? winePrefix : std::string();
            });
    }
};

std::string Vdf(const std::string &library) {
    return "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"{home}/.local/share/Steam\"\n"
           "\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" +
           library + "\"\n\t\t\"label\"\t\t\"\"\n\t}\n}\n";
}

} // namespace

TEST(SaveFolderSearch, ChoosesWhereTheGameKeepsItsSaves) {
    const std::string steam = ".local/share/Steam/steamapps/compatdata/";
    const struct {
        const char *name;
        std::vector<FakeFile> files;
        std::string configured; // below the home; empty for none
        std::string expected;   // below the home
        std::string winePrefix; // below the home; empty for none
    } cases[] = {
        {"plain documents saves beat prefixes",
         {{DocsSave + "A.dsparty", ""}, {steam + "39190/" + ProtonSave + "B.dsparty", ""}},
         "",
         DocsSave,
         ""},
        {"proton prefix in a second library named by libraryfolders.vdf",
         {{".local/share/Steam/steamapps/libraryfolders.vdf", Vdf("{home}/disk2/SteamLibrary")},
          {"disk2/SteamLibrary/steamapps/compatdata/39190/" + ProtonSave + "Bob.dsparty", ""}},
         "",
         "disk2/SteamLibrary/steamapps/compatdata/39190/" + ProtonSave,
         ""},
        {"flatpak steam",
         {{".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/1/" +
               ProtonSave + "Bob.dsparty",
           ""}},
         "",
         ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/1/" + ProtonSave,
         ""},
        {"the prefix with the newest party wins, an empty one loses",
         {{".wine/drive_c/users/me/My Documents/Dungeon Siege/Save/Old.dsparty", "", 48},
          {"Games/dungeon-siege/drive_c/users/me/Documents/Dungeon Siege/Save/New.DSPARTY", "", 1},
          {".local/share/bottles/bottles/ds/drive_c/users/me/Documents/Dungeon Siege/Save/", ""}},
         "",
         "Games/dungeon-siege/drive_c/users/me/Documents/Dungeon Siege/Save/",
         ""},
        {"$WINEPREFIX is searched",
         {{"elsewhere/drive_c/users/me/Documents/Dungeon Siege/Save/A.dsparty", ""}},
         "",
         "elsewhere/drive_c/users/me/Documents/Dungeon Siege/Save/",
         "elsewhere"},
        {"a configured folder that exists comes first",
         {{DocsSave + "A.dsparty", ""}, {"mine/", ""}},
         "mine",
         "mine/",
         ""},
        {"a configured folder that no longer exists is ignored",
         {{steam + "7/" + ProtonSave + "A.dsparty", ""}},
         "gone/",
         steam + "7/" + ProtonSave,
         ""},
        {"nothing found: the documents save folder",
         {{".local/share/Steam/steamapps/libraryfolders.vdf", "\"path\" \"unterminated"},
          {"Games/not-a-prefix/readme.txt", ""}},
         "",
         DocsSave,
         ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FakeHome fake;
        fake.Make(c.files);
        const std::string home = fake.home.string() + '/';
        const std::string chosen = fake.Choose(c.configured.empty() ? "" : home + c.configured,
                                               c.winePrefix.empty() ? "" : home + c.winePrefix);
        EXPECT_EQ(chosen, (fs::weakly_canonical(home + c.expected) / "").string());
    }
}

TEST(SaveFolderSearch, LibraryFoldersReaderIsTolerant) {
    const struct {
        std::string text;
        std::vector<std::string> paths;
    } cases[] = {
        {Vdf("/mnt/games"), {"{home}/.local/share/Steam", "/mnt/games"}},
        {"\"PATH\" \"/a\\\\b\" \"path\" \"\" \"x\" \"path\"", {"/a\\b"}},
        {"\"path\" \"/kept\" \"path\" \"/cut off", {"/kept"}},
        {std::string("\0\xff{}", 4), {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SteamLibraryPaths(c.text), c.paths) << c.text;
}

TEST(SaveFolderSearch, HundredsOfPrefixesTakeWellUnderASecond) {
    FakeHome fake;
    std::vector<FakeFile> files;
    for (int i = 0; i < 400; ++i)
        files.push_back({".local/share/Steam/steamapps/compatdata/" + std::to_string(i) +
                             "/pfx/drive_c/users/steamuser/AppData/",
                         ""});
    files.push_back(
        {".local/share/Steam/steamapps/compatdata/250/" + ProtonSave + "A.dsparty", ""});
    fake.Make(files);
    const auto start = std::chrono::steady_clock::now();
    const std::string chosen = fake.Choose("");
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_NE(chosen.find("/compatdata/250/"), std::string::npos) << chosen;
    EXPECT_LT(took, std::chrono::milliseconds(250));
}
