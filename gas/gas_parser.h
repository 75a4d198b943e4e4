// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gas/gas_document.h"

#include <string_view>

// Parses Gas text and appends its top-level block to the list. Line breaks (CR, LF) play no part:
// the text reads as its lines joined with nothing between them.
// One pass over the text: blanks outside double quotes are skipped as they are met, never erased
// from the text, so the time is linear in its size. Nesting depth is limited only by memory.
// Throws OperationError "Gas file structure could not be read" when the text ends before a needed
// "[", "]", "{" or "}"; the entries parsed so far stay in the list.
void parseGas(std::string_view text, GasBlock &into);
