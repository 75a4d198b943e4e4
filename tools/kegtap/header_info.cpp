// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kegtap/header_info.h"

#include "tools/tank_priority.h"
#include "tools/terminal_text.h"

#include <cstdio>
#include <ctime>

namespace kegtapcli {
namespace {

std::string versionText(const uint16_t *version) {
    std::string text;
    for (size_t i = 0; i < 6; ++i)
        text += (i ? "." : "") + std::to_string(version[i]);
    return text;
}

std::string buildTimeText(int64_t seconds) {
    const auto time = static_cast<time_t>(seconds);
    std::tm utc{};
    char text[40] = "-";
    if (gmtime_r(&time, &utc) != nullptr)
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
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

void printInfo(const TankFile &tank) {
    kegtap_header h{};
    if (kegtap_header_info(tank.handle(), &h) != 0)
        tank.fail(tank.path());
    uint64_t stored = 0, content = 0;
    for (size_t i = 0; i < tank.fileCount(); ++i) {
        const kegtap_entry e = tank.file(i);
        stored += e.stored_size;
        content += e.size;
    }
    std::printf("Creator:          %s\n", shownText(h.creator).c_str());
    std::printf("Product version:  %s\n", versionText(h.product_version).c_str());
    std::printf("Minimum version:  %s\n", versionText(h.minimum_version).c_str());
    std::printf("Priority:         %s\n", priorityText(h.priority).c_str());
    std::printf("Build time:       %s\n", buildTimeText(h.build_time).c_str());
    std::printf("Copyright:        %s\n", shownText(h.copyright).c_str());
    std::printf("Build text:       %s\n", shownText(h.build_text).c_str());
    std::printf("Title:            %s\n", shownText(h.title).c_str());
    std::printf("Author:           %s\n", shownText(h.author).c_str());
    std::printf("Index checksum:   0x%08x\n", h.index_crc32);
    std::printf("Data checksum:    0x%08x\n", h.data_crc32);
    std::printf("Folders:          %zu\n", tank.folderCount());
    std::printf("Files:            %zu\n", tank.fileCount());
    std::printf("Content bytes:    %llu\n", static_cast<unsigned long long>(content));
    std::printf("Stored bytes:     %llu\n", static_cast<unsigned long long>(stored));
}

} // namespace kegtapcli
