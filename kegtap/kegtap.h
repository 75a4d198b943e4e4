// SPDX-License-Identifier: GPL-3.0-or-later
/* kegtap: reads Tank archives and extracts their files into a folder tree.
 *
 * Two interfaces share one reader.
 *
 * The handle interface (kegtap_open and the kegtap_* functions) keeps everything in the handle:
 * the open Tank, its checked index and the last error. Separate handles may be used from separate
 * threads at the same time; one handle is used by one thread at a time. Names stored in a Tank
 * are Windows-1252 bytes; every path this interface hands out or takes, and every file it writes,
 * is UTF-8. Functions that answer int answer 0 on success and the error code otherwise; the code
 * and its message stay in the handle until the next call.
 *
 *     kegtap *k = kegtap_open("Ulf.dsparty");
 *     if (kegtap_errno(k) != 0) {
 *         fprintf(stderr, "%s\n", kegtap_error_string(k));
 *     } else {
 *         kegtap_entry e;
 *         for (size_t i = 0; i < kegtap_entry_count(k); ++i)
 *             if (kegtap_entry_at(k, i, &e) == 0)
 *                 printf("%10llu  %s\n", (unsigned long long)e.size, e.path);
 *         if (kegtap_extract(k, "Ulf", 0) != 0)
 *             fprintf(stderr, "%s\n", kegtap_error_string(k));
 *     }
 *     kegtap_close(k);
 *
 * The older exports (ExtractFilesFromTankFile to SetKvPromptHandler) read raw header and index
 * blocks and report through one process-wide error code and message (GetKvErrorCode /
 * GetKvErrorString); they are not meant for several threads. Their handles are POSIX file
 * descriptors opened by the caller for reading. All integers in the file are little-endian. */
#ifndef KEGTAP_KEGTAP_H
#define KEGTAP_KEGTAP_H

#include <stdbool.h>
#include <stddef.h>
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
#define KEGTAP_ERR_EARLY_EOF 0x20000006u /* also: the file ends before what the index names */
#define KEGTAP_ERR_CRC 0x20000007u
#define KEGTAP_ERR_UNSAFE_NAME 0x20000008u
#define KEGTAP_ERR_DAMAGED 0x20000009u
#define KEGTAP_ERR_SELF 0x2000000Au      /* a file would be written over the Tank being read */
#define KEGTAP_ERR_CANCELLED 0x2000000Bu /* the progress handler or the sink said stop */

#define KEGTAP_HEADER_SIZE 784u
#define KEGTAP_MAX_NAME 260u

/* The layout of the format. Offsets inside the index are relative to its first byte, and
 * padding after a name counts from there too. */
#pragma pack(push, 1)
/* The first 784 bytes of a Tank file. Texts are UTF-16LE, NUL-terminated within their field. */
typedef struct TankHeader {
    char ProductId[4]; /* "DSig" */
    char TankId[4];    /* "Tank" */
    uint32_t HeaderVersion;
    uint32_t IndexOffset;   /* absolute */
    uint32_t FileSetOffset; /* absolute; entries after it are files */
    uint32_t IndexSize;
    uint32_t DataOffset; /* absolute; stored bytes are addressed from it */
    uint16_t ProductVersion[6];
    uint16_t MinimumVersion[6];
    uint32_t Priority;
    uint32_t Flags;
    char CreatorId[4];
    uint8_t Guid[16];
    uint32_t IndexCrc32;
    uint32_t DataCrc32;    /* of all file contents in index order */
    uint16_t BuildTime[8]; /* Windows SYSTEMTIME, UTC */
    uint16_t CopyrightText[100];
    uint16_t BuildText[100];
    uint16_t TitleText[100];
    uint16_t AuthorText[40];
} TankHeader;

/* The start of the index. */
typedef struct TankIndexStart {
    uint32_t DirCount;
    uint32_t RootOffset;
} TankIndexStart;

/* Fixed part of a directory entry; the name and its NUL follow (none for the root), then the
 * child table, aligned to four bytes. */
typedef struct DirEntry {
    uint32_t ParentOffset;
    uint32_t ChildCount;
    uint64_t FileTime;
    uint16_t NameLength;
    char Name[];
} DirEntry;

/* Fixed part of a file entry; the name and its NUL follow, then, aligned to four bytes and only
 * when Format is not 0, the compressed-data header. */
typedef struct FileEntry {
    uint32_t ParentOffset;
    uint32_t Size;
    uint32_t Offset; /* of the stored bytes, from DataOffset */
    uint32_t Crc32;
    uint64_t FileTime; /* Windows file time */
    uint16_t Format;   /* 0 raw, 1 zlib, any other LZO1X */
    uint16_t Flags;
    uint16_t NameLength;
    char Name[];
} FileEntry;

/* After a compressed file's name; a chunk table follows when ChunkSize is not 0. */
typedef struct CompressedHeader {
    uint32_t CompressedSize;
    uint32_t ChunkSize;
} CompressedHeader;

typedef struct ChunkEntry {
    uint32_t UncompressedSize;
    uint32_t CompressedSize;
    uint32_t ExtraBytes;
    uint32_t Offset; /* from the file's stored bytes */
} ChunkEntry;
#pragma pack(pop)

/* ---- The handle interface ---------------------------------------------------------------- */

typedef struct kegtap kegtap; /* one open Tank */

#define KEGTAP_FORMAT_RAW 0u
#define KEGTAP_FORMAT_ZLIB 1u
#define KEGTAP_FORMAT_LZO 2u

/* A file of the Tank. */
typedef struct kegtap_entry {
    const char *path;     /* UTF-8, '/'-separated, relative; valid until the next call */
    uint64_t size;        /* bytes once decoded */
    uint64_t stored_size; /* bytes in the Tank */
    uint32_t crc32;       /* of the decoded bytes */
    int64_t mtime;        /* seconds since 1970-01-01 UTC */
    unsigned format;      /* KEGTAP_FORMAT_RAW, KEGTAP_FORMAT_ZLIB, KEGTAP_FORMAT_LZO */
    uint32_t chunk_size;  /* decoded bytes per chunk; 0 for one block (or raw) */
} kegtap_entry;

/* A folder below the root, in the order of the index walk. */
typedef struct kegtap_folder {
    const char *path;    /* UTF-8, '/'-separated, relative; valid until the next call */
    int64_t mtime;       /* seconds since 1970-01-01 UTC */
    size_t files_before; /* files that come before it in the walk: it precedes file number this */
} kegtap_folder;

/* The header, as a reader shows it. Texts are UTF-8 and valid until kegtap_close. */
typedef struct kegtap_header {
    const char *creator;         /* the creator id, e.g. "USER" */
    uint16_t product_version[6]; /* e.g. 0.5.2002.3.8.1 */
    uint16_t minimum_version[6];
    uint32_t priority; /* which Tank wins when several hold a file: 0 factory ... 0x4000 user */
    uint32_t flags;
    uint8_t guid[16];
    int64_t build_time; /* seconds since 1970-01-01 UTC */
    const char *copyright;
    const char *build_text;
    const char *title;
    const char *author;
    uint32_t index_crc32;
    uint32_t data_crc32; /* of all decoded contents in walk order */
} kegtap_header;

/* Extraction flags. */
#define KEGTAP_KEEP_BAD_CRC 0x1u  /* keep a file whose CRC-32 differs and go on */
#define KEGTAP_KEEP_BAD_TIME 0x2u /* keep a file whose time cannot be set and go on */
#define KEGTAP_KEEP_EXISTING 0x4u /* leave a file that exists alone, whatever it is */

/* Called with the number of bytes decoded since the last call; non-zero cancels the work with
 * KEGTAP_ERR_CANCELLED, removing what it had not finished. */
typedef int (*kegtap_progress)(void *context, uint64_t bytes);
/* Receives a file's content piece by piece; non-zero stops the read with KEGTAP_ERR_CANCELLED. */
typedef int (*kegtap_sink)(void *context, const void *data, size_t length);

/* Opens the Tank and checks its whole index: its CRC-32, that every entry, name and table lies
 * inside it, that no file entry is named twice and that no two files share stored bytes.
 * NULL only without memory; check kegtap_errno. */
KEGTAP_API kegtap *kegtap_open(const char *path);
KEGTAP_API void kegtap_close(kegtap *k);
/* 0, or the code of the last failure (ENOMEM for a null handle). */
KEGTAP_API uint32_t kegtap_errno(const kegtap *k);
KEGTAP_API const char *kegtap_error_string(const kegtap *k);

KEGTAP_API int kegtap_header_info(kegtap *k, kegtap_header *h);

/* Files only, in the order of the index walk. */
KEGTAP_API size_t kegtap_entry_count(kegtap *k);
KEGTAP_API int kegtap_entry_at(kegtap *k, size_t i, kegtap_entry *e);
/* The first file whose path matches path without regard to case (the game's rule). */
KEGTAP_API int kegtap_find(kegtap *k, const char *path, size_t *i);
KEGTAP_API size_t kegtap_folder_count(kegtap *k);
KEGTAP_API int kegtap_folder_at(kegtap *k, size_t i, kegtap_folder *f);

/* Decodes file i into buffer (capacity at least its size) and checks its CRC-32; a mismatch is
 * KEGTAP_ERR_CRC with the bytes left in the buffer. */
KEGTAP_API int kegtap_read(kegtap *k, size_t i, void *buffer, size_t capacity);
/* Decodes file i piece by piece into sink, holding at most a chunk at a time (a file stored in
 * one block whole); the CRC-32 is checked once all bytes were handed over. */
KEGTAP_API int kegtap_read_into(kegtap *k, size_t i, kegtap_sink sink, void *context);
/* The handler is called while files are decoded; NULL removes it. */
KEGTAP_API void kegtap_set_progress(kegtap *k, kegtap_progress handler, void *context);

/* Extracting writes each file under a temporary name in its folder and renames it over its
 * final name once it is complete and checked (or kept by a flag): a failed or cancelled file
 * leaves what was there untouched, and a hard link there is replaced, never written through.
 * Folders are created as needed, each opened below the one above it without following symbolic
 * links; a symbolic link in the place of a file or folder is refused, and so is a file that would
 * land on the Tank being read (KEGTAP_ERR_SELF). */

/* The whole tree into dest (which must exist), in the order of the walk; stops at the first
 * failure. A file kept by a flag lets it go on and is reported as its result at the end. */
KEGTAP_API int kegtap_extract(kegtap *k, const char *dest, unsigned flags);
/* File i, with the folders above it. */
KEGTAP_API int kegtap_extract_entry(kegtap *k, size_t i, const char *dest, unsigned flags);
/* Folder i, with the folders above it. */
KEGTAP_API int kegtap_extract_folder(kegtap *k, size_t i, const char *dest);

/* ---- The older exports ------------------------------------------------------------------- */

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

/* The host answers the older exports' Yes/No warnings: non-zero is Yes. Without a handler
 * every question is answered No. */
typedef int (*KvPromptHandler)(const char *text, const char *caption, void *context);
KEGTAP_API void SetKvPromptHandler(KvPromptHandler handler, void *context);

#ifdef __cplusplus
}
#endif

#endif
