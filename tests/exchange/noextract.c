/* SPDX-License-Identifier: GPL-3.0-or-later */
/* A library that loads but lacks ExtractFilesFromTankFile. */
__attribute__((visibility("default"))) int GetKvErrorCode(void) {
    return 0;
}
