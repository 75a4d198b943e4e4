// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/recent_heroes.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

const std::string fileScheme = "file://";

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string folderOf(const std::string &line) {
    return folderFromStored(line.substr(0, line.find('=')));
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::string storedFolder(const std::string &folder) {
    if (folder.find('=') == std::string::npos &&
        std::none_of(folder.begin(), folder.end(), isControl) &&
        folder.compare(0, fileScheme.size(), fileScheme) != 0)
        return folder;
    std::string stored = fileScheme;
    for (const char c : folder) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '=' || byte == '%' || isControl(byte)) {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", byte);
            stored += escape;
        } else {
            stored += c;
        }
    }
    return stored;
}

std::string folderFromStored(const std::string &stored) {
    if (stored.compare(0, fileScheme.size(), fileScheme) != 0)
        return stored;
    std::string folder;
    for (size_t at = fileScheme.size(); at < stored.size(); ++at) {
        const int high = at + 2 < stored.size() ? hexValue(stored[at + 1]) : -1;
        const int low = at + 2 < stored.size() ? hexValue(stored[at + 2]) : -1;
        if (stored[at] == '%' && high >= 0 && low >= 0) {
            folder += static_cast<char>(high * 16 + low);
            at += 2;
        } else {
            folder += stored[at];
        }
    }
    return folder;
}

void RecentHeroes::add(const std::string &folder, const std::string &name, int level,
                       int classPattern) {
    const auto listed = std::find_if(m_lines.begin(), m_lines.end(), [&](const std::string &line) {
        return folderOf(line) == folder;
    });
    if (listed != m_lines.end())
        m_lines.erase(listed);
    char pattern[8];
    std::snprintf(pattern, sizeof pattern, "%02d", classPattern);
    m_lines.insert(m_lines.begin(), storedFolder(folder) + "=\"" + name + " - Level " +
                                        std::to_string(level) + " " + pattern + "\"");
    if (m_lines.size() > capacity)
        m_lines.resize(capacity);
}

void RecentHeroes::removeIf(const std::function<bool(const std::string &folder)> &gone) {
    std::erase_if(m_lines, [&](const std::string &line) { return gone(folderOf(line)); });
}

std::vector<RecentHero> RecentHeroes::entries() const {
    std::vector<RecentHero> heroes;
    for (const std::string &line : m_lines)
        heroes.push_back(parse(line));
    return heroes;
}

RecentHero RecentHeroes::parse(const std::string &line) {
    const size_t eq = std::min(line.find('='), line.size());
    RecentHero hero;
    hero.folder = folderFromStored(line.substr(0, eq));
    std::string value = eq < line.size() ? line.substr(eq + 1) : line;
    // Written by add(): "<caption> NN" in quotes; the caption keeps its blank before NN.
    const size_t n = value.size();
    if (n >= 5 && value.front() == '"' && value.back() == '"' && value[n - 4] == ' ' &&
        isDigit(value[n - 3]) && isDigit(value[n - 2])) {
        hero.caption = value.substr(1, n - 4);
        hero.classIcon = (value[n - 3] - '0') * 10 + (value[n - 2] - '0');
        return hero;
    }
    if (!value.empty() && value.front() == '"')
        value.erase(0, 1);
    if (!value.empty() && value.back() == '"')
        value.pop_back();
    hero.caption = value;
    return hero;
}
