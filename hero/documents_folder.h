// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The user's documents folder, with a trailing "/": where a new hero's folder starts. Start-up
// sets it once; until then it is derived from $HOME.
const std::string &DocumentsFolder();
void SetDocumentsFolder(const std::string &folder);
