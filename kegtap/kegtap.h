// SPDX-License-Identifier: GPL-3.0-or-later
/* kegtap: reads Tank archives and extracts their files into a folder tree.
 *
 * Every function reports failure through its result and leaves a process-wide
 * error code and message (GetKvErrorCode / GetKvErrorString). Handles are POSIX
 * file descriptors opened by the caller for reading. All integers in the file
 * are little-endian. */
#ifndef KEGTAP_KEGTAP_H
#define KEGTAP_KEGTAP_H

#include <stdbool.h>
#include <stdint.h>

#if defined(KEGTAP_BUILDING)
#define KEGTAP_API __attribute__((visibility("default")))
#else
#define KEGTAP_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The library's own error codes; any other code is an errno value. */
#define KEGTAP_ERR_NO_DIRECTORY 0x20000001u
#define KEGTAP_ERR_EMPTY_ROOT 0x20000002u
#define KEGTAP_ERR_NAME_LENGTH 0x20000003u
#define KEGTAP_ERR_UNCOMPRESS 0x20000004u
#define KEGTAP_ERR_SIZE_MISMATCH 0x20000005u
#define KEGTAP_ERR_EARLY_EOF 0x20000006u
#define KEGTAP_ERR_CRC 0x20000007u
#define KEGTAP_ERR_UNSAFE_NAME 0x20000008u
#define KEGTAP_ERR_DAMAGED 0x20000009u

#define KEGTAP_HEADER_SIZE 784u
#define KEGTAP_MAX_NAME 260u

#pragma pack(push, 1)
/* The first 784 bytes of a Tank file. */
typedef struct TankHeader {
    char ProductId[4];
    char TankId[4];
    uint32_t HeaderVersion;
    uint32_t IndexOffset;
    uint32_t FileSetOffset;
    uint32_t IndexSize;
    uint32_t DataOffset;
    uint16_t ProductVersion[6];
    uint16_t MinimumVersion[6];
    uint32_t Priority;
    uint32_t Flags;
    char CreatorId[4];
    uint8_t Guid[16];
    uint32_t IndexCrc32;
    uint32_t DataCrc32;
    uint16_t BuildTime[8];
    uint16_t CopyrightText[100];
    uint16_t BuildText[100];
    uint16_t TitleText[100];
    uint16_t AuthorText[40];
} TankHeader;

/* Fixed part of a directory entry; the name follows, then the child table. */
typedef struct DirEntry {
    uint32_t ParentOffset;
    uint32_t ChildCount;
    uint64_t FileTime;
    uint16_t NameLength;
    char Name[];
} DirEntry;

/* Fixed part of a file entry; the name follows, then the compressed-data header. */
typedef struct FileEntry {
    uint32_t ParentOffset;
    uint32_t Size;
    uint32_t Offset;
    uint32_t Crc32;
    uint64_t FileTime;
    uint16_t Format;
    uint16_t Flags;
    uint16_t NameLength;
    char Name[];
} FileEntry;

typedef struct ChunkEntry {
    uint32_t UncompressedSize;
    uint32_t CompressedSize;
    uint32_t ExtraBytes;
    uint32_t Offset;
} ChunkEntry;
#pragma pack(pop)

KEGTAP_API bool ExtractFilesFromTankFile(const char *tankPath, const char *destFolder);
KEGTAP_API bool GetHeaderFromTankFile(int fd, void *header784);
KEGTAP_API bool GetIndexFromTankFile(int fd, const void *header, void *index, uint32_t indexLength);
KEGTAP_API uint32_t GetChildOffsetOfDirEntry(const void *dirEntry, uint32_t child,
                                             const void *indexStart);
KEGTAP_API bool IsFile(const void *header, uint32_t entryOffset);
KEGTAP_API bool GetDirEntryName(const void *dirEntry, char *buffer, uint16_t bufferLength);
KEGTAP_API bool GetFileEntryName(const void *fileEntry, char *buffer, uint16_t bufferLength);
KEGTAP_API bool ExtractFile(const void *fileEntry, int fd, uint32_t dataOffset,
                            const void *indexStart, const char *destFolder);
KEGTAP_API uint32_t GetKvErrorCode(void);
/* Copies the last error message; answers 0, or the length needed (message + NUL) when the
 * buffer is null or too short, in which case nothing is copied. */
KEGTAP_API uint32_t GetKvErrorString(char *buffer, uint32_t bufferLength);

/* The host answers the library's Yes/No warnings: non-zero is Yes. Without a handler
 * every question is answered No. */
typedef int (*KvPromptHandler)(const char *text, const char *caption, void *context);
KEGTAP_API void SetKvPromptHandler(KvPromptHandler handler, void *context);

#ifdef __cplusplus
}
#endif

#endif
