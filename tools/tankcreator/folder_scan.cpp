// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tankcreator/folder_scan.h"

#include "tools/path_pattern.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <stdexcept>
#include <sys/stat.h>

namespace tankcreator {
namespace {

constexpr size_t MaxNameLength = 260;
constexpr unsigned MaxDepth = 256;

std::string lowered(const std::string &name) {
    std::string s = name;
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    return s;
}

[[noreturn]] void fail(const std::string &what, const std::string &path) {
    throw std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

struct stat statOf(const std::string &path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        fail("Cannot read", path);
    return st;
}

std::vector<std::string> namesIn(const std::string &folder) {
    DIR *dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        fail("Cannot read folder", folder);
    std::vector<std::string> names;
    errno = 0;
    while (const dirent *e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0) {
        errno = error;
        fail("Cannot read folder", folder);
    }
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        const std::string la = lowered(a), lb = lowered(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

struct Scan {
    const tankwriter::Storage &storage;
    const std::vector<std::string> &excludes;

    bool excluded(const std::string &name, const std::string &relative) const {
        for (const std::string &pattern : excludes)
            if (matchesPattern(pattern, name) || matchesPattern(pattern, relative))
                return true;
        return false;
    }

    tankwriter::Node node(const std::string &path, const std::string &relative,
                          const std::string &name, unsigned depth) const;
};

tankwriter::Node Scan::node(const std::string &path, const std::string &relative,
                            const std::string &name, unsigned depth) const {
    if (name.size() > MaxNameLength)
        throw std::runtime_error("Name longer than 260 bytes: " + path);
    if (name.find('\\') != std::string::npos)
        throw std::runtime_error("Name holds a backslash, which the game reads as a separator: " +
                                 path);
    if (depth > MaxDepth)
        throw std::runtime_error("Folders nested too deeply: " + path);
    const struct stat st = statOf(path);
    const uint64_t time =
        depth == 0 ? 0 : tankwriter::fileTimeFromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    if (S_ISREG(st.st_mode)) {
        tankwriter::Node file = tankwriter::Node::file(name, {}, storage, time);
        file.sourcePath = path;
        return file;
    }
    if (!S_ISDIR(st.st_mode))
        throw std::runtime_error("Not a regular file or folder: " + path);
    std::vector<tankwriter::Node> children;
    for (const std::string &child : namesIn(path)) {
        const std::string childRelative = depth == 0 ? child : relative + "/" + child;
        if (!excluded(child, childRelative))
            children.push_back(node(path + "/" + child, childRelative, child, depth + 1));
    }
    return tankwriter::Node::folder(name, std::move(children), time);
}

} // namespace

tankwriter::Node scanFolder(const std::string &folder, const tankwriter::Storage &storage,
                            const std::vector<std::string> &excludes) {
    if (!S_ISDIR(statOf(folder).st_mode))
        throw std::runtime_error("Not a folder: " + folder);
    tankwriter::Node root = Scan{storage, excludes}.node(folder, "", "", 0);
    // A root without children is refused by every reader ("No child in root directory.").
    if (root.children.empty())
        throw std::runtime_error("Nothing to pack in " + folder);
    return root;
}

} // namespace tankcreator
