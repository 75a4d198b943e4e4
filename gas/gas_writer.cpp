// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/gas_writer.h"

#include <string_view>

namespace {

void appendStatement(std::string &out, std::string_view text) {
    auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        out += text;
    } else {
        out += text.substr(0, equals);
        out += " = ";
        out += text.substr(equals + 1);
    }
    out += ";\r\n";
}

} // namespace

std::string formatGas(const GasBlock &root) {
    struct Level {
        const GasBlock *block;
        size_t next;
    };
    std::string out;
    std::vector<Level> levels{{&root, 0}};
    while (!levels.empty()) {
        Level &level = levels.back();
        const size_t depth = levels.size() - 1;
        if (level.next == level.block->size()) {
            levels.pop_back();
            if (!levels.empty())
                out.append(depth - 1, '\t').append("}\r\n");
            continue;
        }
        const GasNode &entry = (*level.block)[level.next++];
        out.append(depth, '\t');
        if (entry.child) {
            out.append("[").append(entry.text).append("]\r\n");
            out.append(depth, '\t').append("{\r\n");
            levels.push_back({entry.child.get(), 0});
        } else {
            appendStatement(out, entry.text);
        }
    }
    return out;
}
