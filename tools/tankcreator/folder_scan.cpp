// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tankcreator/folder_scan.h"

#include "text/windows1252.h"
#include "tools/path_pattern.h"
#include "tools/terminal_text.h"

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

[[noreturn]] void fail(const std::string &what, const std::string &path) {
    throw std::runtime_error(what + " " + shownText(path) + ": " + std::strerror(errno));
}

std::string folded(const std::string &name) {
    std::string s = name;
    for (char &c : s)
        c = static_cast<char>(windows1252::foldCase(static_cast<uint8_t>(c)));
    return s;
}

// A child of a folder: its name as it is on disk (UTF-8) and as the game reads it.
struct Child {
    std::string name;
    std::string gameName;
};

std::vector<Child> childrenOf(const std::string &folder) {
    DIR *dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        fail("Cannot read folder", folder);
    std::vector<Child> children;
    errno = 0;
    while (const dirent *e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        const std::optional<std::string> gameName = windows1252::fromUtf8(name);
        if (!gameName) {
            ::closedir(dir);
            throw std::runtime_error(
                "Name with a character that Windows-1252, the game's code page, lacks: " +
                shownText(folder + "/" + name));
        }
        children.push_back({name, *gameName});
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0) {
        errno = error;
        fail("Cannot read folder", folder);
    }
    std::sort(children.begin(), children.end(), [](const Child &a, const Child &b) {
        const std::string fa = folded(a.gameName), fb = folded(b.gameName);
        return fa != fb ? fa < fb : a.gameName < b.gameName;
    });
    return children;
}

// What cannot be packed and is left out with a warning, or nothing.
const char *unpackable(const struct stat &st) {
    if (S_ISFIFO(st.st_mode))
        return "FIFO";
    if (S_ISSOCK(st.st_mode))
        return "socket";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return "device";
    return nullptr;
}

class Scan {
public:
    explicit Scan(const ScanOptions &options) : m_o(options) {}

    std::optional<tankwriter::Node> node(const std::string &path, const std::string &relative,
                                         const Child &child, unsigned depth) {
        if (child.gameName.size() > MaxNameLength)
            throw std::runtime_error("Name longer than 260 characters: " + shownText(path));
        if (child.name.find('\\') != std::string::npos)
            throw std::runtime_error(
                "Name holds a backslash, which the game reads as a separator: " + shownText(path));
        if (depth > MaxDepth)
            throw std::runtime_error("Folders nested too deeply: " + shownText(path));
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            fail("Cannot read", path);
        if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &st) != 0)
            return skipped(path, "dangling symbolic link");
        if (const char *kind = unpackable(st))
            return skipped(path, kind);
        const uint64_t time =
            depth == 0 ? 0 : tankwriter::fileTimeFromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
        if (S_ISREG(st.st_mode)) {
            if (m_o.output && m_o.output->first == st.st_dev && m_o.output->second == st.st_ino)
                return skipped(path, "the output file");
            ++m_files;
            tankwriter::Node file = tankwriter::Node::file(child.gameName, {}, m_o.storage, time);
            file.sourcePath = path;
            return file;
        }
        if (!S_ISDIR(st.st_mode))
            throw std::runtime_error("Not a regular file or folder: " + shownText(path));
        std::vector<tankwriter::Node> nodes;
        for (const Child &c : childrenOf(path)) {
            const std::string childRelative = depth == 0 ? c.name : relative + "/" + c.name;
            if (excluded(c.name, childRelative))
                continue;
            if (std::optional<tankwriter::Node> n =
                    node(path + "/" + c.name, childRelative, c, depth + 1))
                nodes.push_back(std::move(*n));
        }
        return tankwriter::Node::folder(child.gameName, std::move(nodes), time);
    }

    size_t files() const { return m_files; }

private:
    bool excluded(const std::string &name, const std::string &relative) const {
        for (const std::string &pattern : m_o.excludes)
            if (matchesPattern(pattern, name) || matchesPattern(pattern, relative))
                return true;
        return false;
    }

    std::nullopt_t skipped(const std::string &path, const char *what) const {
        if (m_o.warn)
            m_o.warn(shownText(path) + ": " + what + " skipped");
        return std::nullopt;
    }

    const ScanOptions &m_o;
    size_t m_files = 0;
};

} // namespace

tankwriter::Node scanFolder(const std::string &folder, const ScanOptions &options) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        fail("Cannot read", folder);
    if (!S_ISDIR(st.st_mode))
        throw std::runtime_error("Not a folder: " + shownText(folder));
    Scan scan(options);
    std::optional<tankwriter::Node> root = scan.node(folder, "", Child{}, 0);
    // A Tank without files is refused by every reader ("No child in root directory.") or useless.
    if (scan.files() == 0)
        throw std::runtime_error("Nothing to pack in " + shownText(folder));
    return std::move(*root);
}

} // namespace tankcreator
