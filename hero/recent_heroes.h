// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// One recently used hero as the Heroes menu shows it.
struct RecentHero {
    std::string folder;  // the hero folder, with a trailing "/"
    std::string caption; // "name - Level N"
    int classIcon = -1;  // the class pattern 0..15 shown as its icon; -1 for none
};

// A folder as the first part of a stored folder=value line: the folder as it is, or, when it
// holds "=" or a control character, "file://" and the folder with those and "%" percent-encoded.
// A line's folder is everything before its first "=".
std::string storedFolder(const std::string &folder);
// The folder a stored line names; lines of earlier versions are plain folders.
std::string folderFromStored(const std::string &stored);

// The recently used heroes, newest first, kept as the settings file's lines:
// folder="name - Level N PP", where PP is the class pattern in two digits and the folder is
// stored as storedFolder() writes it. Heroes are told apart by their exact folder.
class RecentHeroes {
public:
    static constexpr std::size_t capacity = 9;

    const std::vector<std::string> &lines() const { return m_lines; }
    void setLines(std::vector<std::string> lines) { m_lines = std::move(lines); }

    // Puts the hero at the top, replacing the folder's older line, and keeps at most capacity.
    void add(const std::string &folder, const std::string &name, int level, int classPattern);
    // Drops every hero whose folder the predicate says is gone.
    void removeIf(const std::function<bool(const std::string &folder)> &gone);

    std::vector<RecentHero> entries() const;

    // A line as the menu shows it. A hand-edited value without the closing class number shows
    // without its quotes and without an icon.
    static RecentHero parse(const std::string &line);

private:
    std::vector<std::string> m_lines;
};
