// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/header_info.h"

#include "kegtap/tank_layout.h"
#include "kegtap/writer/tank_header_info.h"
#include "tools/tank_priority.h"

#include <cstdio>

namespace kegtapcli {
namespace {

using kegtap::readU16;
using kegtap::readU32;
namespace field = tankwriter::header_layout;

void appendUtf8(std::string &out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A UTF-16LE text of a fixed field, up to its NUL or the field's end; a lone surrogate reads as
// U+FFFD.
std::string fieldText(const uint8_t *header, size_t at, size_t units) {
    std::string text;
    for (size_t i = 0; i < units; ++i) {
        uint32_t c = readU16(header + at + 2 * i);
        if (c == 0)
            break;
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units) {
            const uint32_t low = readU16(header + at + 2 * (i + 1));
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        appendUtf8(text, c >= 0xD800 && c < 0xE000 ? 0xFFFD : c);
    }
    return text;
}

std::string versionText(const uint8_t *header, size_t at) {
    std::string text;
    for (size_t i = 0; i < 6; ++i)
        text += (i ? "." : "") + std::to_string(readU16(header + at + 2 * i));
    return text;
}

std::string creatorText(const uint8_t *header) {
    std::string text;
    for (size_t i = 0; i < 4; ++i) {
        const char c = static_cast<char>(header[field::CreatorId + i]);
        text += c >= 0x20 && c < 0x7F ? c : '.';
    }
    return text;
}

std::string buildTimeText(const uint8_t *header) {
    const auto part = [header](size_t i) { return readU16(header + field::BuildTime + 2 * i); };
    char text[40];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u UTC", part(0), part(1), part(3),
                  part(4), part(5), part(6));
    return text;
}

} // namespace

std::string priorityText(uint32_t priority) {
    if (priority % priorityRankStep == 0 && priority / priorityRankStep < priorityRankCount)
        return priorityRankNames[priority / priorityRankStep];
    char text[16];
    std::snprintf(text, sizeof text, "0x%04x", priority);
    return text;
}

void printInfo(const TankArchive &tank) {
    const uint8_t *h = tank.header();
    size_t folders = 0, files = 0;
    uint64_t stored = 0, content = 0;
    for (const Entry &e : tank.entries()) {
        if (!e.isFile) {
            ++folders;
            continue;
        }
        const FileFacts f = tank.facts(e);
        ++files;
        stored += f.stored;
        content += f.size;
    }
    std::printf("Creator:          %s\n", creatorText(h).c_str());
    std::printf("Product version:  %s\n", versionText(h, field::ProductVersion).c_str());
    std::printf("Minimum version:  %s\n", versionText(h, field::MinimumVersion).c_str());
    std::printf("Priority:         %s\n", priorityText(readU32(h + field::Priority)).c_str());
    std::printf("Build time:       %s\n", buildTimeText(h).c_str());
    std::printf("Copyright:        %s\n",
                fieldText(h, field::CopyrightText, field::LongTextUnits).c_str());
    std::printf("Build text:       %s\n",
                fieldText(h, field::BuildText, field::LongTextUnits).c_str());
    std::printf("Title:            %s\n",
                fieldText(h, field::TitleText, field::LongTextUnits).c_str());
    std::printf("Author:           %s\n",
                fieldText(h, field::AuthorText, field::AuthorTextUnits).c_str());
    std::printf("Index checksum:   0x%08x\n", readU32(h + field::IndexCrc32));
    std::printf("Data checksum:    0x%08x\n", readU32(h + field::DataCrc32));
    std::printf("Folders:          %zu\n", folders);
    std::printf("Files:            %zu\n", files);
    std::printf("Content bytes:    %llu\n", static_cast<unsigned long long>(content));
    std::printf("Stored bytes:     %llu\n", static_cast<unsigned long long>(stored));
}

} // namespace kegtapcli
