// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/writer/tank_header_info.h"

#include "text/utf8.h"

#include <chrono>
#include <cstring>
#include <ctime>
#include <random>
#include <stdexcept>
#include <vector>

namespace tankwriter {
namespace {

namespace field = tankreader::header_field;
using tankreader::writeU16;
using tankreader::writeU32;

void checkText(const std::string &text, size_t units, const char *what) {
    if (utf8::toUtf16(text).size() >= units)
        throw std::invalid_argument(std::string(what) + " text is longer than " +
                                    std::to_string(units - 1) + " characters");
}

void putText(uint8_t *field, const std::string &text) {
    const std::vector<uint16_t> units = utf8::toUtf16(text);
    for (size_t i = 0; i < units.size(); ++i)
        writeU16(field + 2 * i, units[i]);
}

} // namespace

SystemTime currentUtcSystemTime() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    return {static_cast<uint16_t>(utc.tm_year + 1900), static_cast<uint16_t>(utc.tm_mon + 1),
            static_cast<uint16_t>(utc.tm_wday),        static_cast<uint16_t>(utc.tm_mday),
            static_cast<uint16_t>(utc.tm_hour),        static_cast<uint16_t>(utc.tm_min),
            static_cast<uint16_t>(utc.tm_sec),         static_cast<uint16_t>(millis.count())};
}

std::array<uint8_t, 16> randomGuid() {
    std::random_device device;
    std::array<uint8_t, 16> guid{};
    for (uint8_t &b : guid)
        b = static_cast<uint8_t>(device());
    return guid;
}

void checkHeaderTexts(const TankHeaderInfo &info) {
    checkText(info.copyright, field::LongTextUnits, "Copyright");
    checkText(info.build, field::LongTextUnits, "Build");
    checkText(info.title, field::LongTextUnits, "Title");
    checkText(info.author, field::AuthorTextUnits, "Author");
}

HeaderBytes encodeHeader(const TankHeaderInfo &info) {
    checkHeaderTexts(info);
    HeaderBytes h{};
    std::memcpy(&h[field::ProductId], "DSig", 4);
    std::memcpy(&h[field::TankId], "Tank", 4);
    writeU32(&h[field::HeaderVersion], HeaderVersion);
    for (size_t i = 0; i < 6; ++i) {
        writeU16(&h[field::ProductVersion + 2 * i], info.productVersion[i]);
        writeU16(&h[field::MinimumVersion + 2 * i], info.minimumVersion[i]);
    }
    writeU32(&h[field::Priority], info.priority);
    writeU32(&h[field::Flags], 0);
    std::memcpy(&h[field::CreatorId], "USER", 4);
    std::memcpy(&h[field::Guid], info.guid.data(), info.guid.size());
    for (size_t i = 0; i < 8; ++i)
        writeU16(&h[field::BuildTime + 2 * i], info.buildTime[i]);
    putText(&h[field::CopyrightText], info.copyright);
    putText(&h[field::BuildText], info.build);
    putText(&h[field::TitleText], info.title);
    putText(&h[field::AuthorText], info.author);
    return h;
}

} // namespace tankwriter
