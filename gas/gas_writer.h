// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gas/gas_document.h"

#include <string>

// The game's layout of a tree: one TAB of indent per block level, "[name]", "{", the entries, "}",
// statements as key + " = " + value + ";", every line ending in CR LF.
std::string formatGas(const GasBlock &root);
