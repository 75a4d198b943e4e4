// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/recent_heroes.h"

#include "gas/gas_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

std::string folderOf(const std::string &line) {
    return line.substr(0, line.find('='));
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

void RecentHeroes::add(const std::string &folder, const std::string &name, int level,
                       int classPattern) {
    const auto listed = std::find_if(m_lines.begin(), m_lines.end(), [&](const std::string &line) {
        return sameText(folderOf(line), folder);
    });
    if (listed != m_lines.end())
        m_lines.erase(listed);
    char pattern[8];
    std::snprintf(pattern, sizeof pattern, "%02d", classPattern);
    m_lines.insert(m_lines.begin(), folder + "=\"" + name + " - Level " + std::to_string(level) +
                                        " " + pattern + "\"");
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
    hero.folder = line.substr(0, eq);
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
