// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/gas_document.h"
#include "hero/hero_templates.h"
#include "tests/gas/gas_shape.h"

#include <gtest/gtest.h>

namespace {

TEST(HeroTemplates, LoadingAndSavingGivesTheTemplateTextWithCrLf) {
    for (std::string_view text : {infoTemplate, partyTemplate}) {
        ASSERT_EQ(text.back(), '\n');
        EXPECT_EQ(text.find('\r'), std::string_view::npos);
        EXPECT_EQ(parseText(text).text(), withCrLf(text));
    }
}

// The keys of a block in order, as "key=value" statements.
std::vector<std::string> statements(const GasBlock &block) {
    std::vector<std::string> out;
    for (const GasNode &entry : block)
        out.push_back(entry.child ? "[" + entry.text + "]" : entry.text);
    return out;
}

TEST(HeroTemplates, InfoHoldsTheStatementsAndManifestInOrder) {
    GasDocument info = parseText(infoTemplate);
    const GasBlock &block = *info.root().at(0).child;
    EXPECT_EQ(info.root().at(0).text, "info");
    EXPECT_EQ(statements(block),
              (std::vector<std::string>{
                  "file_name=\"C:\\My Documents\\Dungeon Siege\\Save\\Hero.dsparty\"",
                  "hero_name=\"Hero\"",
                  "is_auto_save=false",
                  "is_quick_save=false",
                  "is_retail_content=true",
                  "map_name=multiplayer_world",
                  "map_screen_name=\"Utraean Peninsula\"",
                  "player_name=\"Thalrex\"",
                  "product_compile_mode=\"Retail\"",
                  "product_version=00.[05].2002.03.0801",
                  "region=town_center",
                  "save_duration=0.009094",
                  "save_time=126641924423000000",
                  "save_time_text=\"Thu Apr 25 02 - 02:14:02 AM\"",
                  "screen_name=\"Hero\"",
                  "single_player=false",
                  "teleport=multiplayer_world:n:0.77,0.00,1.91,0x5863e7fe",
                  "time_elapsed=0.000000",
                  "time_elapsed_text=\"0:00:00\"",
                  "[tank_manifest]"}));

    const char *const files[] = {"MpWorld.dsmap", "quillon.dsres", "Logic.dsres",  "Voices.dsres",
                                 "Sound.dsres",   "Objects.dsres", "Terrain.dsres"};
    const GasBlock &manifest = *block.back().child;
    ASSERT_EQ(manifest.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        const std::string path = "info\rtank_manifest\r" + std::to_string(i) + "\r";
        EXPECT_EQ(manifest[static_cast<size_t>(i)].text, std::to_string(i));
        EXPECT_EQ(info.value(path + "file_name"), files[i]);
        EXPECT_EQ(info.value(path + "version"), "00.[05].2002.03.0801");
        EXPECT_EQ(manifest[static_cast<size_t>(i)].child->size(), 8u);
    }
    EXPECT_EQ(statements(*manifest[5].child),
              (std::vector<std::string>{
                  "creator_id='GPG!'", "data_crc32=0x5D27967C", "file_name=Objects.dsres",
                  "guid=\"{06779A74-73D0-4237-8803-AB0BCA3556E3}\"", "index_crc32=0xA4872C61",
                  "tank_type=tank_resource", "utc_build_time=03/09(6)/2002,03:44:41.1",
                  "version=00.[05].2002.03.0801"}));
    EXPECT_EQ(info.value("info\rtank_manifest\r1\rcreator_id"), "'RESU'");
    EXPECT_EQ(info.value("info\rtank_manifest\r0\rtank_type"), "tank_map");
}

TEST(HeroTemplates, PartyHoldsTheMemberItsBlocksAndTheInnerParty) {
    GasDocument party = parseText(partyTemplate);
    EXPECT_EQ(shape(party.root()),
              "[party]{[members]{[0]{[member]{"
              "<actor_class=\"Corpse\"><combat_orders=co_limited><custom_head=default>"
              "<disposition_orders=ad_defensive><focus_orders=fo_closest><gold=100>"
              "<grid_x_offset=255><grid_y_offset=30><m_clientcachedengagedobject=0x00000000>"
              "<movement_orders=mo_limited><pack_only=false><screen_name=\"Hero\">"
              "<selected_active_location=il_active_melee_weapon><template_name=skeleton_good>"
              "[inventory]{"
              "[0]{<equip_slot=es_weapon_hand><gold_value=5>"
              "<inv_location=il_active_melee_weapon><template_name=st_g_c_r_avg>}"
              "[1]{<equip_slot=es_feet><gold_value=2><inv_location=il_main>"
              "<template_name=bo_bo_le_light>}"
              "[2]{<equip_slot=es_spellbook><gold_value=5><inv_location=il_main>"
              "<template_name=book_glb_magic_01>}}"
              "[skills]{<combat_magic_level=0><combat_magic_xp=0><dexterity_level=10>"
              "<dexterity_xp=0><intelligence_level=10><intelligence_xp=0><melee_level=0>"
              "<melee_xp=0><nature_magic_level=0><nature_magic_xp=0><ranged_level=0>"
              "<ranged_xp=0><strength_level=10><strength_xp=0><uber_level=0><uber_xp=0>}"
              "[skins]{<0=b_c_ecm_sk><1=>}}}}"
              "[party]{<gold=100><hero_index=0>}}");
    EXPECT_EQ(party.value("party\rmembers\r0\rmember\rskins\r1"), "");
    EXPECT_NE(party.text().find("\t\t\t\t\t1 = ;\r\n"), std::string::npos);
    EXPECT_TRUE(party.text().ends_with("\t[party]\r\n\t{\r\n\t\tgold = 100;\r\n"
                                       "\t\thero_index = 0;\r\n\t}\r\n}\r\n"));
}

} // namespace
