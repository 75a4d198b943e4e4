// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/hero.h"
#include "tests/gas/temp_folder.h"
#include "tests/hero/bitmap_file.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Built-in portrait n is a one-pixel bitmap whose pixel bytes are n.
inline ImageBytes onePixelPortrait(int number) {
    return bitmapFile(1, 1, 24, static_cast<std::uint8_t>(number));
}

class OnePixelPortraits : public PortraitStore {
public:
    ImageBytes builtInPortrait(int number) const override { return onePixelPortrait(number); }
};

// The portrait file of the realistic hero.
inline const std::string bobsFace = asText(bitmapFile(4, 4, 24, 'b'));

// A saved party as the game writes it: Bob the Brave, a farmboy, with a pack mule, quest log and
// keys the editor does not own.
inline const std::string realisticInfo =
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

inline const std::string realisticParty =
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

// The text with each (text, replacement) pair applied once.
inline std::string withChanges(std::string text,
                               const std::vector<std::pair<std::string, std::string>> &changes) {
    for (const auto &[what, replacement] : changes) {
        const size_t at = text.find(what);
        EXPECT_NE(at, std::string::npos) << what;
        if (at != std::string::npos)
            text.replace(at, what.size(), replacement);
    }
    return text;
}

// A hero with the one-pixel built-in portraits, a test folder and the game's save folder.
class HeroFolderTest : public testing::Test {
protected:
    const std::string saveGameFolder = "/home/player/Documents/Dungeon Siege/Save/";
    TempFolder temp;
    Hero hero;
    int changes = 0; // calls of onChanged

    HeroFolderTest() {
        hero.setBuiltInPortraits(std::make_unique<OnePixelPortraits>());
        hero.onChanged = [this] { ++changes; };
    }

    // A folder holding the given files (name, content), with a trailing "/".
    std::string makeFolder(const std::string &name,
                           const std::vector<std::pair<std::string, std::string>> &files) {
        const std::string folder = temp / name;
        std::filesystem::create_directories(folder);
        for (const auto &[file, content] : files)
            writeAll(folder + "/" + file, content);
        return folder + "/";
    }

    std::string realisticFolder(const std::string &name = "Bob") {
        return makeFolder(name, {{"Info.gas", realisticInfo},
                                 {"Party.gas", realisticParty},
                                 {"Portrait-0.bmp", bobsFace}});
    }
};
