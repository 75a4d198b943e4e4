/* SPDX-License-Identifier: GPL-3.0-or-later */
/* A C program built against the installed kegtap through pkg-config: extracts a Tank file.
 *   kegtap_caller TANK FOLDER */
#include <kegtap.h>

#include <stdio.h>

int main(int argc, char **argv) {
    char message[512];
    if (argc != 3)
        return 2;
    if (ExtractFilesFromTankFile(argv[1], argv[2]))
        return 0;
    GetKvErrorString(message, sizeof message);
    fprintf(stderr, "kegtap error %u: %s\n", (unsigned)GetKvErrorCode(), message);
    return 1;
}
