// SPDX-License-Identifier: GPL-3.0-or-later
// The header fields that the extraction does not read, written as a real Tank file made by the
// game's tools carries them.
#pragma once

#include "kegtap/tank_layout.h"

#include <array>
#include <cstdint>
#include <string>

namespace tankwriter {

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

using HeaderBytes = std::array<uint8_t, tankreader::header_field::Size>;

// The 784 header bytes apart from the four offsets and the two checksums.
HeaderBytes encodeHeader(const TankHeaderInfo &info);

// Throws std::invalid_argument when a text does not fit its field with a terminating NUL.
void checkHeaderTexts(const TankHeaderInfo &info);

} // namespace tankwriter
