// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/save_folder_search.h"

#include "gas/disk_file.h"
#include "gas/gas_text.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool isDir(const fs::path &path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The folders directly below a folder; none when it cannot be listed.
std::vector<fs::path> subFolders(const fs::path &folder) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (isDir(it->path()))
            found.push_back(it->path());
    std::sort(found.begin(), found.end());
    return found;
}

std::string readText(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Adds the folder when it exists and is not yet listed under any of its names.
void addFolder(std::vector<fs::path> &folders, const fs::path &folder) {
    std::error_code error;
    const fs::path real = fs::canonical(folder, error);
    if (error || !isDir(real) || std::find(folders.begin(), folders.end(), real) != folders.end())
        return;
    folders.push_back(real);
}

std::vector<fs::path> steamLibraries(const fs::path &home) {
    std::vector<fs::path> roots;
    for (const char *root : {".local/share/Steam", ".steam/steam",
                             ".var/app/com.valvesoftware.Steam/.local/share/Steam"})
        addFolder(roots, home / root);
    std::vector<fs::path> libraries = roots;
    for (const fs::path &root : roots)
        for (const std::string &path :
             steamLibraryPaths(readText(root / "steamapps" / "libraryfolders.vdf")))
            addFolder(libraries, path);
    return libraries;
}

// The time of the newest party in the folder, if it holds any.
std::optional<fs::file_time_type> newestParty(const fs::path &folder) {
    std::optional<fs::file_time_type> newest;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!sameText(it->path().extension().string(), ".dsparty"))
            continue;
        std::error_code timeError;
        const fs::file_time_type written = it->last_write_time(timeError);
        if (!timeError && (!newest || written > *newest))
            newest = written;
    }
    return newest;
}

} // namespace

std::vector<std::string> steamLibraryPaths(const std::string &vdfText) {
    // The text is a tree of quoted strings and braces; a "path" key is followed by its value.
    std::vector<std::string> tokens;
    for (size_t at = 0; at < vdfText.size(); ++at) {
        if (vdfText[at] != '"')
            continue;
        std::string token;
        bool closed = false;
        for (++at; at < vdfText.size(); ++at) {
            const char c = vdfText[at];
            if (c == '\\' && at + 1 < vdfText.size()) {
                token += vdfText[++at];
            } else if (c == '"') {
                closed = true;
                break;
            } else {
                token += c;
            }
        }
        if (!closed)
            break;
        tokens.push_back(token);
    }
    std::vector<std::string> paths;
    for (size_t i = 0; i + 1 < tokens.size(); ++i)
        if (sameText(tokens[i], "path") && !tokens[i + 1].empty())
            paths.push_back(tokens[++i]);
    return paths;
}

std::vector<fs::path> winePrefixes(const fs::path &home, const EnvLookup &env) {
    std::vector<fs::path> prefixes;
    if (const std::string winePrefix = env("WINEPREFIX"); !winePrefix.empty())
        addFolder(prefixes, winePrefix);
    addFolder(prefixes, home / ".wine");
    for (const fs::path &library : steamLibraries(home))
        for (const fs::path &game : subFolders(library / "steamapps" / "compatdata"))
            addFolder(prefixes, game / "pfx");
    for (const fs::path &prefix : subFolders(home / "Games"))
        addFolder(prefixes, prefix);
    for (const fs::path &prefix : subFolders(home / ".local/share/bottles/bottles"))
        addFolder(prefixes, prefix);
    return prefixes;
}

std::vector<fs::path> prefixSaveFolders(const fs::path &prefix) {
    std::vector<fs::path> found;
    for (const fs::path &user : subFolders(prefix / "drive_c" / "users"))
        for (const char *documents : {"Documents", "My Documents"})
            if (const fs::path save = user / documents / "Dungeon Siege" / "Save"; isDir(save))
                found.push_back(save);
    return found;
}

std::string chooseSaveFolder(const std::string &configured, const std::string &documentsSave,
                             const fs::path &home, const EnvLookup &env) {
    if (!configured.empty() && isDir(configured))
        return withTrailingSlash(configured);
    if (isDir(documentsSave))
        return documentsSave;
    std::optional<fs::path> chosen;
    std::optional<fs::file_time_type> chosenNewest;
    for (const fs::path &prefix : winePrefixes(home, env)) {
        for (const fs::path &save : prefixSaveFolders(prefix)) {
            const std::optional<fs::file_time_type> newest = newestParty(save);
            if (!chosen || (newest && (!chosenNewest || *newest > *chosenNewest))) {
                chosen = save;
                chosenNewest = newest;
            }
        }
    }
    return chosen ? withTrailingSlash(chosen->string()) : documentsSave;
}
