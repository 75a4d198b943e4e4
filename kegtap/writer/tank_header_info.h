// SPDX-License-Identifier: GPL-3.0-or-later
// The header fields that the extraction does not read, written as a real Tank file made by the
// game's tools carries them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tankwriter {

namespace header_layout {
constexpr size_t ProductId = 0;       // "DSig"
constexpr size_t TankId = 4;          // "Tank"
constexpr size_t HeaderVersion = 8;   // u32
constexpr size_t IndexOffset = 12;    // u32, absolute
constexpr size_t FileSetOffset = 16;  // u32, absolute
constexpr size_t IndexSize = 20;      // u32
constexpr size_t DataOffset = 24;     // u32, absolute
constexpr size_t ProductVersion = 28; // six u16
constexpr size_t MinimumVersion = 40; // six u16
constexpr size_t Priority = 52;       // u32
constexpr size_t Flags = 56;          // u32
constexpr size_t CreatorId = 60;      // four bytes
constexpr size_t Guid = 64;           // 16 bytes
constexpr size_t IndexCrc32 = 80;     // u32
constexpr size_t DataCrc32 = 84;      // u32
constexpr size_t BuildTime = 88;      // SYSTEMTIME, eight u16, UTC
constexpr size_t CopyrightText = 104; // 100 UTF-16LE units
constexpr size_t BuildText = 304;     // 100 UTF-16LE units
constexpr size_t TitleText = 504;     // 100 UTF-16LE units
constexpr size_t AuthorText = 704;    // 40 UTF-16LE units
constexpr size_t Size = 784;
constexpr size_t LongTextUnits = 100;
constexpr size_t AuthorTextUnits = 40;
// The sample leaves this many zero bytes after the header and again after the padded data area.
constexpr size_t Gap = 20;
} // namespace header_layout

namespace index_layout {
// The sample leaves this many zero bytes between the last directory entry and the file set.
constexpr size_t FileSetGap = 16;
} // namespace index_layout

constexpr uint32_t HeaderVersion = 0x00010002;
constexpr uint32_t UserPriority = 0x4000;
// The "00.[05].2002.03.0801" version that saved parties carry.
constexpr std::array<uint16_t, 6> GameVersion{0, 5, 2002, 3, 8, 1};

// Windows SYSTEMTIME: year, month, day of week (0 Sunday), day, hour, minute, second, millisecond.
using SystemTime = std::array<uint16_t, 8>;

SystemTime currentUtcSystemTime();
std::array<uint8_t, 16> randomGuid();

struct TankHeaderInfo {
    std::array<uint16_t, 6> productVersion = GameVersion;
    std::array<uint16_t, 6> minimumVersion = GameVersion;
    uint32_t priority = UserPriority;
    std::array<uint8_t, 16> guid = randomGuid();
    SystemTime buildTime = currentUtcSystemTime();
    std::string copyright; // UTF-8; written as UTF-16LE
    std::string build;
    std::string title;
    std::string author;
};

// The 784 header bytes apart from the four offsets and the two checksums.
std::array<uint8_t, header_layout::Size> encodeHeader(const TankHeaderInfo &info);

// Throws std::invalid_argument when a text does not fit its field with a terminating NUL.
void checkHeaderTexts(const TankHeaderInfo &info);

} // namespace tankwriter
