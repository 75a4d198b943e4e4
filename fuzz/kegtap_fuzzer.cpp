// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the whole extraction as a Tank file, into a fresh folder each time,
// and checks that nothing appears outside that folder.
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

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    const char *base = std::getenv("KEGTAP_FUZZ_DIR");
    work =
        fs::path(base != nullptr ? base : "/dev/shm") / ("kegtap-fuzz-" + std::to_string(getpid()));
    fs::create_directories(work);
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

    for (const auto &entry : fs::directory_iterator(work))
        if (entry.path() != tank && entry.path() != out) {
            std::fprintf(stderr, "written outside the destination: %s\n", entry.path().c_str());
            __builtin_trap();
        }
    fs::remove_all(out);
    return 0;
}
