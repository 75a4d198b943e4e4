// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Generated Gas text of about the given size, shaped like a saved party: a top-level block holding
// numbered member blocks with nested skills and inventory blocks, TAB indents, blanks around "=",
// quoted strings with blanks inside and CR LF line ends.
inline std::string generateGasText(size_t approximateBytes) {
    std::string text = "[party]\r\n{\r\n";
    for (int member = 0; text.size() < approximateBytes; ++member) {
        const std::string n = std::to_string(member);
        text += "\t[" + n + "]\r\n\t{\r\n";
        text += "\t\tscreen_name = \"Hero number " + n + "\";\r\n";
        text += "\t\ttemplate_name = farmgirl;\r\n\t\tgold = " + n + ";\r\n";
        text += "\t\tguid = \"{3D480A0B-910A-4390-B65C-B30B7F244F85}\";\r\n";
        text += "\t\t[skills]\r\n\t\t{\r\n";
        for (const char *skill : {"melee", "ranged", "nature_magic", "combat_magic", "strength"})
            text += std::string("\t\t\t") + skill + "_xp = 1.234567e+004;\r\n\t\t\t" + skill +
                    "_level = 12;\r\n";
        text += "\t\t}\r\n\t\t[inventory]\r\n\t\t{\r\n";
        text += "\t\t\t[0] { equip_slot = es_weapon_hand; gold_value = 5; }\r\n";
        text += "\t\t\tversion = 00.[05].2002.03.0801;\r\n\t\t}\r\n\t}\r\n";
    }
    return text + "}\r\n";
}
