// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the whole extraction as a Tank file, into a fresh folder each time,
// through the older export and through the handle interface, and checks that nothing appears
// outside that folder. The handle's entries, folders, find and reads are driven too.
#include "kegtap/kegtap.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>
#include <zlib.h>

namespace fs = std::filesystem;

namespace {

fs::path work;
bool answerYes = false;

int answer(const char *, const char *, void *) {
    return answerYes ? 1 : 0;
}

uint32_t u32(const std::vector<uint8_t> &b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

// The first byte of a Tank file is never read. When its low bit is set, the index checksum is
// made to match, so that mutations reach the walk instead of stopping at the checksum.
void matchIndexChecksum(std::vector<uint8_t> &tank) {
    if (tank.size() < KEGTAP_HEADER_SIZE || (tank[0] & 1) == 0)
        return;
    const uint64_t offset = u32(tank, 12), size = u32(tank, 20);
    if (offset + size > tank.size())
        return;
    const auto crc = static_cast<uint32_t>(crc32_z(0, tank.data() + offset, size));
    for (int i = 0; i < 4; ++i)
        tank[80 + i] = static_cast<uint8_t>(crc >> (8 * i));
}

int discard(void *, const void *, size_t) {
    return 0;
}

// Everything a reader of the handle interface does with an open Tank.
void driveHandle(const fs::path &tank, const fs::path &out, unsigned flags) {
    kegtap *k = kegtap_open(tank.c_str());
    if (k == nullptr)
        __builtin_trap();
    kegtap_header h;
    if (kegtap_errno(k) == 0 && kegtap_header_info(k, &h) != 0)
        __builtin_trap(); // an open Tank always has its header
    kegtap_entry e;
    std::vector<uint8_t> buffer;
    for (size_t i = 0; i < kegtap_entry_count(k); ++i) {
        if (kegtap_entry_at(k, i, &e) != 0)
            __builtin_trap();
        const std::string path = e.path;
        const uint64_t size = e.size;
        size_t found = SIZE_MAX;
        if (kegtap_find(k, path.c_str(), &found) != 0 || found > i)
            __builtin_trap(); // every file is found, as itself or as an earlier one of its path
        if (size <= (64u << 10)) {
            buffer.resize(size);
            kegtap_read(k, i, buffer.data(), buffer.size());
        } else {
            kegtap_read_into(k, i, discard, nullptr);
        }
    }
    kegtap_folder f;
    for (size_t i = 0; i < kegtap_folder_count(k); ++i)
        if (kegtap_folder_at(k, i, &f) != 0 || f.files_before > kegtap_entry_count(k))
            __builtin_trap();
    kegtap_extract(k, out.c_str(), flags);
    kegtap_close(k);
}

void expectNothingOutside(const fs::path &tank, const fs::path &out) {
    for (const auto &entry : fs::directory_iterator(work))
        if (entry.path() != tank && entry.path() != out) {
            std::fprintf(stderr, "written outside the destination: %s\n", entry.path().c_str());
            __builtin_trap();
        }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    const char *base = std::getenv("KEGTAP_FUZZ_DIR");
    work =
        fs::path(base != nullptr ? base : "/dev/shm") / ("kegtap-fuzz-" + std::to_string(getpid()));
    fs::create_directories(work);
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(work, ignored);
    });
    SetKvPromptHandler(answer, nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const fs::path tank = work / "input.tank";
    const fs::path out = work / "out";
    std::vector<uint8_t> bytes(data, data + size);
    matchIndexChecksum(bytes);
    {
        std::ofstream file(tank, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(bytes.data()),
                   static_cast<std::streamsize>(size));
    }
    fs::create_directory(out);
    answerYes = size % 2 == 1;
    ExtractFilesFromTankFile(tank.c_str(), out.c_str());

    char message[64];
    if (GetKvErrorString(message, sizeof message) != 0)
        __builtin_trap(); // every message fits 64 bytes

    expectNothingOutside(tank, out);
    fs::remove_all(out);

    fs::create_directory(out);
    driveHandle(tank, out, answerYes ? KEGTAP_KEEP_BAD_CRC | KEGTAP_KEEP_EXISTING : 0);
    expectNothingOutside(tank, out);
    fs::remove_all(out);
    return 0;
}
