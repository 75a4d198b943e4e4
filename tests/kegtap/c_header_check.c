/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The public header compiles as C; the sizes of its structures match the file format. */
#include "kegtap/kegtap.h"

#include <stddef.h>

size_t kegtapHeaderSizeSeenByC(void) {
    return sizeof(TankHeader);
}
size_t kegtapFileEntryFixedSizeSeenByC(void) {
    return offsetof(FileEntry, Name);
}
size_t kegtapDirEntryFixedSizeSeenByC(void) {
    return offsetof(DirEntry, Name);
}
size_t kegtapChunkEntrySizeSeenByC(void) {
    return sizeof(ChunkEntry);
}
