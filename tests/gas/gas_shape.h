// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gas/gas_document.h"

#include <string>
#include <string_view>

// A compact picture of a tree for comparisons: a block as [name]{...}, a statement as <text>.
inline std::string Shape(const GasBlock &block) {
    std::string out;
    for (const GasNode &entry : block)
        out += entry.child ? "[" + entry.text + "]{" + Shape(*entry.child) + "}"
                           : "<" + entry.text + ">";
    return out;
}

// A document parsed from a text, as a template text is.
inline GasDocument ParseText(std::string_view text) {
    GasDocument doc;
    doc.setLines(text);
    doc.load();
    return doc;
}
