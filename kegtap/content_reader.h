// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes one file's stored bytes into its content, piece by piece, with its running CRC-32.
#pragma once

#include "kegtap/content_decoder.h"
#include "kegtap/error_state.h"
#include "kegtap/kegtap.h"
#include "kegtap/tank_layout.h"

#include <cstdint>
#include <sys/types.h>

namespace tankreader {

// Where the content goes. A sink that fails has recorded why in the error state.
class ContentSink {
public:
    virtual ~ContentSink() = default;
    virtual bool write(const uint8_t *data, size_t length) = 0;
};

// The host's progress handler; it may cancel the work.
struct ProgressReport {
    kegtap_progress handler = nullptr;
    void *context = nullptr;

    // False, with the error set, when the handler cancels.
    bool report(uint64_t bytes, ErrorState &error) const;
};

// The Tank file as the source of stored bytes. It knows the file's size, so that a read past the
// end fails before a buffer is allocated for it.
struct TankSource {
    int fd;
    uint64_t dataOffset;
    uint64_t fileSize; // UINT64_MAX when not a regular file
    dev_t device;      // which file it is, so that nothing is written over it
    ino_t inode;

    static TankSource of(int fd, uint64_t dataOffset);
};

// Hands the content to sink in order and checks that it decodes to the entry's size; crc is the
// CRC-32 of what was handed over. The entry's fields and tables have been checked.
bool readContent(const FileEntryFields &file, const TankSource &tank, Decoder &decoder,
                 const ProgressReport &progress, ContentSink &sink, uint32_t &crc,
                 ErrorState &error);

} // namespace tankreader
