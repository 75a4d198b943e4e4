// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gas/gas_document.h"

#include <string>
#include <string_view>

// A compact picture of a tree for comparisons: a block as [name]{...}, a statement as <text>.
inline std::string shape(const GasBlock &block) {
    std::string out;
    for (const GasNode &entry : block)
        out += entry.child ? "[" + entry.text + "]{" + shape(*entry.child) + "}"
                           : "<" + entry.text + ">";
    return out;
}

// A document parsed from a text, as a template text is.
inline GasDocument parseText(std::string_view text) {
    GasDocument doc;
    doc.setLines(text);
    doc.load();
    return doc;
}

// The text with each LF line end made CR LF, as the Gas writer ends lines.
inline std::string withCrLf(std::string_view text) {
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}
