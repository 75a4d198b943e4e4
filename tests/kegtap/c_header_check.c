/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The public header compiles as C; the sizes of its structures match the file format; and the
 * handle interface is driven from C as its documentation shows. */
#include "kegtap/kegtap.h"

#include <stddef.h>
#include <stdio.h>
#include <string.h>

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

/* Lists every file's size and path into listing, one a line, then extracts the Tank into dest;
 * answers kegtap_errno of the first failure, or 0. */
unsigned kegtapListAndExtractFromC(const char *tank, const char *dest, char *listing,
                                   size_t length) {
    kegtap *k = kegtap_open(tank);
    unsigned error = kegtap_errno(k);
    listing[0] = '\0';
    if (error == 0) {
        kegtap_entry e;
        size_t used = 0;
        for (size_t i = 0; i < kegtap_entry_count(k); ++i)
            if (kegtap_entry_at(k, i, &e) == 0 && used < length)
                used += (size_t)snprintf(listing + used, length - used, "%llu %s\n",
                                         (unsigned long long)e.size, e.path);
        if (kegtap_extract(k, dest, 0) != 0)
            error = kegtap_errno(k);
    }
    kegtap_close(k);
    return error;
}
