// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/displays.h"
#include "hero/game_save_folder.h"
#include "hero/hero.h"
#include "tests/gas/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

// A portrait control that keeps the picture's bytes; a bitmap is anything starting with "BM".
class FakePortrait : public TDSPortraitControl {
public:
    TDSImageData picture;
    void ShowPortrait(const TDSImageData &image) override { picture = image; }
    void LoadPortraitFile(const std::string &path) override {
        const std::string bytes = ReadAll(path);
        if (bytes.rfind("BM", 0) != 0)
            throw std::runtime_error("Bitmap image is not valid");
        picture.assign(bytes.begin(), bytes.end());
    }
    void SavePortraitFile(const std::string &path) const override {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(picture.data()),
                  static_cast<std::streamsize>(picture.size()));
        out.close();
        if (!out)
            throw std::runtime_error("Cannot create file " + path);
    }
    std::string Text() const { return std::string(picture.begin(), picture.end()); }
};

// Built-in portrait n is the text "BM builtin n".
class FakePortraitStore : public TDSPortraitStore {
public:
    TDSImageData BuiltInPortrait(int number) const override {
        const std::string text = "BM builtin " + std::to_string(number);
        return TDSImageData(text.begin(), text.end());
    }
};

// A saved party as the game writes it: Bob the Brave, a farmboy, with a pack mule, quest log and
// keys the editor does not own.
inline const std::string kRealisticInfo =
    "[info]\r\n{\r\n"
    "\tfile_name = \"C:\\Documents\\Dungeon Siege\\Save\\Bob the Brave.dsparty\";\r\n"
    "\thero_name = \"Bob the Brave\";\r\n"
    "\tis_auto_save = false;\r\n"
    "\tmap_name = map_world;\r\n"
    "\tmap_screen_name = \"Kingdom of Ehb\";\r\n"
    "\tproduct_version = 01.[00].2002.10.1012;\r\n"
    "\tscreen_name = \"Bob the Brave\";\r\n"
    "\ttime_elapsed_text = \"12:04:55\";\r\n"
    "\t[tank_manifest]\r\n\t{\r\n\t\t[0]\r\n\t\t{\r\n"
    "\t\t\tcreator_id = 'GPG!';\r\n"
    "\t\t\tguid = \"{3D480A0B-910A-4390-B65C-B30B7F244F85}\";\r\n"
    "\t\t}\r\n\t}\r\n}\r\n";

inline const std::string kRealisticParty =
    "[party]\r\n{\r\n\t[members]\r\n\t{\r\n\t\t[0]\r\n\t\t{\r\n\t\t\t[member]\r\n\t\t\t{\r\n"
    "\t\t\t\tactor_class = \"Fighter\";\r\n"
    "\t\t\t\tcombat_orders = co_free;\r\n"
    "\t\t\t\tcustom_head = b_c_gah_fb_head_02;\r\n"
    "\t\t\t\tgold = 1234;\r\n"
    "\t\t\t\tis_auto_expanded = true;\r\n"
    "\t\t\t\tscreen_name = \"Bob the Brave\";\r\n"
    "\t\t\t\ttemplate_name = farmboy;\r\n"
    "\t\t\t\t[inventory]\r\n\t\t\t\t{\r\n"
    "\t\t\t\t\t[0]\r\n\t\t\t\t\t{\r\n"
    "\t\t\t\t\t\tequip_slot = es_weapon_hand;\r\n"
    "\t\t\t\t\t\ttemplate_name = sw_g_c_broadsword;\r\n"
    "\t\t\t\t\t\t[enchantments]\r\n\t\t\t\t\t\t{\r\n"
    "\t\t\t\t\t\t\tdamage_bonus = 3;\r\n"
    "\t\t\t\t\t\t}\r\n\t\t\t\t\t}\r\n"
    "\t\t\t\t}\r\n"
    "\t\t\t\t[skills]\r\n\t\t\t\t{\r\n"
    "\t\t\t\t\tcombat_magic_level = 0;\r\n"
    "\t\t\t\t\tcombat_magic_xp = 0.00000e+000;\r\n"
    "\t\t\t\t\tdexterity_level = 14;\r\n"
    "\t\t\t\t\tdexterity_xp = 3.124000e+003;\r\n"
    "\t\t\t\t\tintelligence_level = 11;\r\n"
    "\t\t\t\t\tintelligence_xp = 7.50000e+001;\r\n"
    "\t\t\t\t\tmelee_level = 9;\r\n"
    "\t\t\t\t\tmelee_xp = 1.234567e+004;\r\n"
    "\t\t\t\t\tnature_magic_level = 0;\r\n"
    "\t\t\t\t\tnature_magic_xp = 0.00000e+000;\r\n"
    "\t\t\t\t\tranged_level = 2;\r\n"
    "\t\t\t\t\tranged_xp = 7.00000e+002;\r\n"
    "\t\t\t\t\tstrength_level = 17;\r\n"
    "\t\t\t\t\tstrength_xp = 9.50000e+003;\r\n"
    "\t\t\t\t\tuber_level = 9;\r\n"
    "\t\t\t\t\tuber_xp = 1.304567e+004;\r\n"
    "\t\t\t\t}\r\n"
    "\t\t\t\t[skins]\r\n\t\t\t\t{\r\n"
    "\t\t\t\t\t0 = b_c_gah_fb_skin_01;\r\n"
    "\t\t\t\t\t1 = b_c_pos_a1;\r\n"
    "\t\t\t\t}\r\n"
    "\t\t\t\t[quest_log]\r\n\t\t\t\t{\r\n"
    "\t\t\t\t\t[0]\r\n\t\t\t\t\t{\r\n"
    "\t\t\t\t\t\tname = \"The Road to Stonebridge\";\r\n"
    "\t\t\t\t\t\tstate = done;\r\n"
    "\t\t\t\t\t}\r\n\t\t\t\t}\r\n"
    "\t\t\t}\r\n\t\t}\r\n"
    "\t\t[1]\r\n\t\t{\r\n\t\t\t[member]\r\n\t\t\t{\r\n"
    "\t\t\t\tgold = 5;\r\n"
    "\t\t\t\tscreen_name = \"Mule\";\r\n"
    "\t\t\t\ttemplate_name = pack_mule;\r\n"
    "\t\t\t\t[skills]\r\n\t\t\t\t{\r\n"
    "\t\t\t\t\tmelee_xp = 0.00000e+000;\r\n"
    "\t\t\t\t}\r\n\t\t\t}\r\n\t\t}\r\n"
    "\t}\r\n"
    "\t[party]\r\n\t{\r\n"
    "\t\tformation = \"wedge\";\r\n"
    "\t\tgold = 1234;\r\n"
    "\t\thero_index = 0;\r\n"
    "\t}\r\n"
    "\t[world_state]\r\n\t{\r\n"
    "\t\tdifficulty = normal;\r\n"
    "\t}\r\n"
    "}\r\n";

// A hero with a fake portrait control and store, a test folder and a save folder of its own.
class HeroFolderTest : public testing::Test {
protected:
    TempFolder temp;
    FakePortrait portrait;
    TDSHero hero;
    std::vector<std::string> events;

    void SetUp() override {
        SetGameSaveFolder("/home/player/Documents/Dungeon Siege/Save/");
        hero.SetPortrait(&portrait);
        hero.SetPortraits(std::make_unique<FakePortraitStore>());
        hero.OnPropChanged = [this](TDSHero &) { events.push_back("PropChanged"); };
        hero.OnStatsChanged = [this](TDSHero &) { events.push_back("StatsChanged"); };
        hero.OnModified = [this](TDSHero &) { events.push_back("Modified"); };
        hero.OnUnmodified = [this](TDSHero &) { events.push_back("Unmodified"); };
        hero.OnUberChanged = [this](TDSHero &) { events.push_back("UberChanged"); };
    }

    // A folder holding the given files (name, content), with a trailing "/".
    std::string MakeFolder(const std::string &name,
                           const std::vector<std::pair<std::string, std::string>> &files) {
        const std::string folder = temp / name;
        std::filesystem::create_directories(folder);
        for (const auto &[file, content] : files)
            WriteAll(folder + "/" + file, content);
        return folder + "/";
    }

    std::string RealisticFolder(const std::string &name = "Bob") {
        return MakeFolder(name, {{"Info.gas", kRealisticInfo},
                                 {"Party.gas", kRealisticParty},
                                 {"Portrait-0.bmp", "BM bob's face"}});
    }
};

// The path of a key or block statement in the game's layout: "party/members/0/member/gold".
struct GasLine {
    std::string path;
    std::string text;
};

inline std::vector<GasLine> LinesWithPaths(const std::string &text) {
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
