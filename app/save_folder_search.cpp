// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/save_folder_search.h"

#include "gas/disk_file.h"
#include "gas/gas_text.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool isDir(const fs::path &path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The folders directly below a folder, sorted; none when it cannot be listed.
std::vector<fs::path> subFolders(const fs::path &folder) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string readText(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Folders told apart by their real paths, whatever links lead to them.
class RealFolders {
public:
    // The folder's real path when it exists as a folder not met before; empty otherwise.
    fs::path admit(const fs::path &folder) {
        std::error_code error;
        if (!isDir(folder))
            return {};
        fs::path real = fs::canonical(folder, error);
        if (error || !m_seen.insert(real.string()).second)
            return {};
        return real;
    }

private:
    std::set<std::string> m_seen;
};

std::vector<fs::path> steamLibraries(const fs::path &home) {
    RealFolders seen;
    std::vector<fs::path> roots;
    for (const char *root : {".local/share/Steam", ".steam/steam", ".steam/root",
                             ".var/app/com.valvesoftware.Steam/.local/share/Steam"})
        if (fs::path real = seen.admit(home / root); !real.empty())
            roots.push_back(real);
    std::vector<fs::path> libraries = roots;
    for (const fs::path &root : roots)
        for (const std::string &path :
             steamLibraryPaths(readText(root / "steamapps" / "libraryfolders.vdf")))
            if (fs::path real = seen.admit(path); !real.empty())
                libraries.push_back(real);
    return libraries;
}

bool isNumber(const std::string &text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

// The text's quoted strings and braces in order, a brace as a token "{" or "}" that is not
// quoted; stops at an unterminated string.
struct VdfToken {
    std::string text;
    bool quoted;
};

std::vector<VdfToken> vdfTokens(const std::string &text) {
    std::vector<VdfToken> tokens;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '{' || text[at] == '}') {
            tokens.push_back({std::string(1, text[at]), false});
            continue;
        }
        if (text[at] != '"')
            continue;
        std::string token;
        bool closed = false;
        for (++at; at < text.size(); ++at) {
            const char c = text[at];
            if (c == '\\' && at + 1 < text.size()) {
                token += text[++at];
            } else if (c == '"') {
                closed = true;
                break;
            } else {
                token += c;
            }
        }
        if (!closed)
            break;
        tokens.push_back({token, true});
    }
    return tokens;
}

} // namespace

std::vector<std::string> steamLibraryPaths(const std::string &vdfText) {
    const std::vector<VdfToken> tokens = vdfTokens(vdfText);
    std::vector<std::string> paths;
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const VdfToken &token = tokens[i];
        if (!token.quoted) {
            depth += token.text == "{" ? 1 : -1;
            continue;
        }
        if (i + 1 >= tokens.size() || !tokens[i + 1].quoted)
            continue; // a block's name
        const std::string &value = tokens[++i].text;
        // "path" in a numbered block; the older form numbers the paths of the top block.
        if (!value.empty() &&
            (sameText(token.text, "path") || (depth == 1 && isNumber(token.text))))
            paths.push_back(value);
    }
    return paths;
}

std::vector<WinePrefix> winePrefixes(const fs::path &home, const EnvLookup &env) {
    // Told apart by their paths only: a prefix reached twice through links yields its save
    // folders twice, which findGameSaveFolders tells apart. The real paths of a thousand Proton
    // prefixes would cost more than the whole rest of the search.
    std::vector<WinePrefix> prefixes;
    std::set<std::string> seen;
    const auto add = [&](const fs::path &folder, SavePlace place) {
        const fs::path normal = folder.lexically_normal();
        if (isDir(normal) && seen.insert(normal.string()).second)
            prefixes.push_back({normal, place});
    };
    if (const std::string winePrefix = env("WINEPREFIX"); !winePrefix.empty())
        add(winePrefix, SavePlace::Wine);
    add(home / ".wine", SavePlace::Wine);
    for (const fs::path &library : steamLibraries(home))
        for (const fs::path &game : subFolders(library / "steamapps" / "compatdata"))
            add(game / "pfx", SavePlace::Proton);
    for (const fs::path &prefix : subFolders(home / "Games"))
        add(prefix, SavePlace::Lutris);
    for (const fs::path &group : subFolders(home / "Games/Heroic/Prefixes"))
        for (const fs::path &prefix : subFolders(group))
            add(prefix, SavePlace::Heroic);
    for (const char *bottles :
         {".local/share/bottles/bottles", ".var/app/com.usebottles.bottles/data/bottles/bottles"})
        for (const fs::path &prefix : subFolders(home / bottles))
            add(prefix, SavePlace::Bottles);
    return prefixes;
}

std::vector<GameSaveFolder> findGameSaveFolders(const fs::path &home, const fs::path &documents,
                                                const EnvLookup &env) {
    std::vector<GameSaveFolder> found;
    RealFolders seen;
    const auto add = [&](const std::vector<GameSaveFolder> &candidates) {
        for (const GameSaveFolder &candidate : candidates)
            if (!seen.admit(candidate.folder).empty())
                found.push_back(candidate);
    };
    add(documentsSaveFolders(withTrailingSlash(documents.string())));
    for (const WinePrefix &prefix : winePrefixes(home, env)) {
        // A Proton prefix is named by its game's number, the folder above "pfx".
        const fs::path named =
            prefix.place == SavePlace::Proton ? prefix.folder.parent_path() : prefix.folder;
        for (const fs::path &user : subFolders(prefix.folder / "drive_c" / "users"))
            for (const char *documentsName : {"Documents", "My Documents"})
                add(documentsSaveFolders(withTrailingSlash((user / documentsName).string()),
                                         prefix.place, named.filename().string()));
    }
    return found;
}
