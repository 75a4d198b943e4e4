// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gas/bowels.h"

#include <string>
#include <string_view>

// A compact picture of a tree for comparisons: a block as [name]{...}, a statement as <text>.
inline std::string Shape(const TGasBlock &block) {
    std::string out;
    for (const TGasEntry &entry : block)
        out += entry.Child ? "[" + entry.Text + "]{" + Shape(*entry.Child) + "}"
                           : "<" + entry.Text + ">";
    return out;
}

// A document parsed from a text, as a template text is.
inline TBowels ParseText(std::string_view text) {
    TBowels doc;
    doc.SetLines(text);
    doc.Load();
    return doc;
}
