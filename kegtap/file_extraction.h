// SPDX-License-Identifier: GPL-3.0-or-later
// Extraction of one file entry into a folder.
#pragma once

#include "kegtap/output_folder.h"

#include <cstdint>

namespace kegtap {

// Writes the content of the file entry into folder, checks its CRC-32 and applies its time.
// The entry's fixed fields, name and tables must lie inside the index.
bool extractFileEntry(const uint8_t *entry, const uint8_t *indexStart, int tankFd,
                      uint64_t dataOffset, const OutputFolder &folder);

} // namespace kegtap
