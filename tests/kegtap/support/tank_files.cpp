// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/kegtap/support/tank_files.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>
#include <sys/stat.h>

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "kegtap-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

void writeBytes(const fs::path &path, const std::vector<uint8_t> &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::vector<uint8_t> readBytes(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> textBytes(const std::string &text) {
    return {text.begin(), text.end()};
}

std::vector<uint8_t> compressibleBytes(size_t length, unsigned seed) {
    static const char *const words[] = {"[t:template,n:actor]",
                                        "{",
                                        "}",
                                        "doc",
                                        "=",
                                        "\"",
                                        "specializes",
                                        "health",
                                        "mana",
                                        "0.25",
                                        "melee",
                                        "ranged",
                                        "aspect",
                                        "model",
                                        "m_c_gah_fg_pos_a1",
                                        ";",
                                        "\r\n",
                                        "\t",
                                        "strength",
                                        "dexterity",
                                        "intelligence"};
    std::mt19937 random(seed);
    std::vector<uint8_t> out;
    out.reserve(length + 32);
    while (out.size() < length) {
        const char *w = words[random() % std::size(words)];
        out.insert(out.end(), w, w + std::char_traits<char>::length(w));
        out.push_back(random() % 4 == 0 ? ' ' : static_cast<uint8_t>('0' + random() % 10));
    }
    out.resize(length);
    return out;
}

std::vector<uint8_t> randomBytes(size_t length, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> out(length);
    for (uint8_t &b : out)
        b = static_cast<uint8_t>(random());
    return out;
}

uint64_t lastWriteFileTime(const fs::path &path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        throw std::runtime_error("cannot stat " + path.string());
    return tankwriter::fileTimeFromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
}

std::vector<std::pair<std::string, std::string>> listTree(const fs::path &root) {
    std::vector<std::pair<std::string, std::string>> tree;
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(entry.path(), root).string();
        if (entry.is_directory()) {
            tree.emplace_back(relative, "<dir>");
        } else {
            const std::vector<uint8_t> bytes = readBytes(entry.path());
            tree.emplace_back(relative, std::string(bytes.begin(), bytes.end()));
        }
    }
    std::sort(tree.begin(), tree.end());
    return tree;
}
