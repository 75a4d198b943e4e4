// SPDX-License-Identifier: GPL-3.0-or-later
#include "kegtap/writer/tank_header_info.h"

#include <chrono>
#include <cstring>
#include <ctime>
#include <random>
#include <stdexcept>
#include <vector>

namespace tankwriter {
namespace {

void put16(uint8_t *p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void put32(uint8_t *p, uint32_t v) {
    put16(p, static_cast<uint16_t>(v));
    put16(p + 2, static_cast<uint16_t>(v >> 16));
}

// UTF-8 to UTF-16 code units; invalid bytes are taken as Latin-1.
std::vector<uint16_t> toUtf16(const std::string &text) {
    std::vector<uint16_t> units;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<uint8_t>(text[i]);
        const size_t length = b < 0x80         ? 1
                              : (b >> 5) == 6  ? 2
                              : (b >> 4) == 14 ? 3
                              : (b >> 3) == 30 ? 4
                                               : 0;
        uint32_t code = length == 1   ? b
                        : length == 2 ? (b & 0x1F)
                        : length == 3 ? (b & 0x0F)
                                      : (b & 0x07);
        bool valid = length != 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto c = static_cast<uint8_t>(text[i + k]);
            valid = (c >> 6) == 2;
            code = (code << 6) | (c & 0x3F);
        }
        if (!valid) {
            units.push_back(b);
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            units.push_back(static_cast<uint16_t>(0xD800 + (code >> 10)));
            units.push_back(static_cast<uint16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            units.push_back(static_cast<uint16_t>(code));
        }
        i += length;
    }
    return units;
}

void checkText(const std::string &text, size_t units, const char *what) {
    if (toUtf16(text).size() >= units)
        throw std::invalid_argument(std::string(what) + " text is longer than " +
                                    std::to_string(units - 1) + " characters");
}

void putText(uint8_t *field, const std::string &text) {
    const std::vector<uint16_t> units = toUtf16(text);
    for (size_t i = 0; i < units.size(); ++i)
        put16(field + 2 * i, units[i]);
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
    using namespace header_layout;
    checkText(info.copyright, LongTextUnits, "Copyright");
    checkText(info.build, LongTextUnits, "Build");
    checkText(info.title, LongTextUnits, "Title");
    checkText(info.author, AuthorTextUnits, "Author");
}

std::array<uint8_t, header_layout::Size> encodeHeader(const TankHeaderInfo &info) {
    using namespace header_layout;
    checkHeaderTexts(info);
    std::array<uint8_t, Size> h{};
    std::memcpy(&h[ProductId], "DSig", 4);
    std::memcpy(&h[TankId], "Tank", 4);
    put32(&h[header_layout::HeaderVersion], tankwriter::HeaderVersion);
    for (size_t i = 0; i < 6; ++i) {
        put16(&h[ProductVersion + 2 * i], info.productVersion[i]);
        put16(&h[MinimumVersion + 2 * i], info.minimumVersion[i]);
    }
    put32(&h[Priority], info.priority);
    put32(&h[Flags], 0);
    std::memcpy(&h[CreatorId], "USER", 4);
    std::memcpy(&h[Guid], info.guid.data(), info.guid.size());
    for (size_t i = 0; i < 8; ++i)
        put16(&h[BuildTime + 2 * i], info.buildTime[i]);
    putText(&h[CopyrightText], info.copyright);
    putText(&h[BuildText], info.build);
    putText(&h[TitleText], info.title);
    putText(&h[AuthorText], info.author);
    return h;
}

} // namespace tankwriter
