// SPDX-License-Identifier: GPL-3.0-or-later
// kegtap: looks inside, lists, tests and extracts Tank files with the library's own reader.
#include "kegtap/error_state.h"
#include "kegtap/tank_layout.h"
#include "kegtap/writer/tank_header_info.h"
#include "tools/kegtap/file_selection.h"
#include "tools/kegtap/header_info.h"
#include "tools/kegtap/progress.h"
#include "tools/kegtap/scratch_folder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <strings.h>

using namespace kegtapcli;
namespace fs = std::filesystem;

namespace {

const char *const usage =
    "Usage: kegtap info FILE                      show the header: creator, versions, priority,\n"
    "                                             build time, texts, checksums and counts\n"
    "       kegtap list FILE [PATTERN...]         list folders and files: size, stored form,\n"
    "                                             time, and a totals line\n"
    "       kegtap test FILE                      check every file's CRC-32 and the data\n"
    "                                             checksum, write nothing\n"
    "       kegtap extract FILE [-d FOLDER] [--yes] [-q] [PATTERN...]\n"
    "                                             extract into FOLDER (default: the current "
    "folder)\n"
    "       kegtap cat FILE PATH...               write the named files to standard output\n"
    "       kegtap --help                         this text\n"
    "\n"
    "FILE is any Tank file (.dsparty, .dsmap, .dsres, ...). A PATTERN selects the files whose\n"
    "whole path matches it (\"*\", \"?\", \"[...]\"; \"*\" also matches \"/\"; case does not "
    "matter);\n"
    "a pattern that matches nothing is an error. A PATH of cat names one file, case aside.\n"
    "\n"
    "extract stops at the first file that fails; a file whose CRC-32 does not match, or whose\n"
    "time cannot be set, counts as failed unless --yes is given, which keeps it and goes on.\n"
    "On a terminal, an extraction longer than a second shows its progress; -q keeps it quiet.\n"
    "cat writes a file only when its CRC-32 matches.\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  damaged Tank file, CRC errors, or a pattern or path that matches nothing\n"
    "  2  wrong command line\n"
    "  3  input/output error (a file or folder cannot be read or written)\n";

// The stored time as UTC text.
std::string timeText(uint64_t fileTime) {
    const auto seconds =
        static_cast<time_t>(static_cast<int64_t>(fileTime / 10000000ull) - 11644473600LL);
    std::tm utc{};
    char text[32] = "-";
    if (fileTime != 0 && gmtime_r(&seconds, &utc) != nullptr)
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &utc);
    return text;
}

int info(const std::string &path) {
    printInfo(TankArchive(path));
    return Success;
}

int list(const std::string &path, const std::vector<std::string> &patterns) {
    const TankArchive tank(path);
    size_t files = 0;
    uint64_t content = 0, stored = 0;
    for (const Entry *e : selectEntries(tank, patterns)) {
        if (!e->isFile) {
            if (!patterns.empty())
                continue; // with patterns, only the matching files
            std::printf("%12s  %-12s  %-19s  %s/\n", "-", "folder",
                        timeText(tank.folderTime(*e)).c_str(), e->path.c_str());
            continue;
        }
        const FileFacts f = tank.facts(*e);
        ++files;
        content += f.size;
        stored += f.stored;
        std::printf("%12u  %-12s  %-19s  %s\n", f.size, f.form.c_str(),
                    timeText(f.fileTime).c_str(), e->path.c_str());
    }
    const double ratio = content == 0 ? 100.0 : 100.0 * static_cast<double>(stored) / content;
    std::printf("%12llu  %-12s  %-19s  %zu files, %llu bytes stored (%.1f%%)\n",
                static_cast<unsigned long long>(content), "", "", files,
                static_cast<unsigned long long>(stored), ratio);
    return Success;
}

int test(const std::string &path) {
    const TankArchive tank(path);
    ScratchFolder scratch;
    size_t files = 0, failed = 0;
    int status = Success;
    for (const Entry &e : tank.entries()) {
        if (!e.isFile)
            continue;
        ++files;
        try {
            tank.extract(e, scratch.folder());
        } catch (const Failure &failure) {
            std::fprintf(stderr, "kegtap: %s\n", failure.what());
            ++failed;
            status = std::max(status, static_cast<int>(failure.code));
        }
        scratch.remove(e.name);
    }
    const uint32_t recorded = kegtap::readU32(tank.header() + tankwriter::header_layout::DataCrc32);
    const uint32_t computed = tank.contentCrc();
    if (recorded != computed) {
        std::fprintf(stderr,
                     "kegtap: %s: data checksum 0x%08x does not match the contents (0x%08x)\n",
                     path.c_str(), recorded, computed);
        status = std::max(status, static_cast<int>(Damaged));
    }
    if (failed == 0)
        std::printf("%s: %zu files OK\n", path.c_str(), files);
    else
        std::printf("%s: %zu of %zu files failed\n", path.c_str(), failed, files);
    return status;
}

int cat(const std::string &path, const std::vector<std::string> &names) {
    const TankArchive tank(path);
    ScratchFolder scratch;
    for (const std::string &name : names) {
        const auto found =
            std::find_if(tank.entries().begin(), tank.entries().end(), [&name](const Entry &e) {
                return e.isFile && ::strcasecmp(e.path.c_str(), name.c_str()) == 0;
            });
        if (found == tank.entries().end())
            throw Failure(Damaged, "no file " + name + " in " + path);
        tank.extract(*found, scratch.folder());
        scratch.copyToOutput(found->name);
        scratch.remove(found->name);
    }
    return Success;
}

struct Warnings {
    bool yes = false;
    size_t count = 0;
};

int warn(const char *text, const char *, void *context) {
    auto *w = static_cast<Warnings *>(context);
    ++w->count;
    std::string line = text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::fprintf(stderr, "\nkegtap: warning: %s %s\n", line.c_str(), w->yes ? "Yes." : "No.");
    return w->yes ? 1 : 0;
}

struct ExtractOptions {
    fs::path destination = ".";
    bool yes = false;
    bool quiet = false;
    std::vector<std::string> patterns;
};

int extract(const std::string &path, const ExtractOptions &o) {
    const TankArchive tank(path);
    const std::vector<const Entry *> selected = selectEntries(tank, o.patterns);
    std::error_code error;
    fs::create_directories(o.destination, error);
    if (!fs::is_directory(o.destination))
        throw Failure(InputOutput, "Cannot create directory " + o.destination.string());
    size_t files = 0;
    uint64_t bytes = 0;
    for (const Entry *e : selected)
        if (e->isFile) {
            ++files;
            bytes += tank.facts(*e).size;
        }
    Warnings warnings{o.yes, 0};
    SetKvPromptHandler(warn, &warnings);
    Progress progress(files, bytes, o.quiet);
    FolderTrail folders(o.destination.string());
    for (const Entry *e : selected) {
        if (!e->isFile) {
            folders.enter(*e);
            if (o.patterns.empty())
                folders.open(*e);
            continue;
        }
        tank.extract(*e, folders.open(*e));
        progress.fileDone(tank.facts(*e).size);
    }
    SetKvPromptHandler(nullptr, nullptr);
    return warnings.count > 0 ? Damaged : Success;
}

ExtractOptions extractOptions(int argc, char **argv) {
    ExtractOptions o;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--yes")
            o.yes = true;
        else if (arg == "-q")
            o.quiet = true;
        else if (arg == "-d" && i + 1 < argc)
            o.destination = argv[++i];
        else if (arg.size() > 1 && arg[0] == '-')
            throw Failure(Usage, "unknown argument '" + arg + "'");
        else
            o.patterns.push_back(arg);
    }
    return o;
}

int run(int argc, char **argv) {
    if (argc >= 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(usage, stdout);
        return Success;
    }
    if (argc < 3)
        throw Failure(Usage, "a command and a Tank file are needed");
    const std::string command = argv[1];
    const std::string file = argv[2];
    const std::vector<std::string> rest(argv + 3, argv + argc);
    if (command == "info" && rest.empty())
        return info(file);
    if (command == "test" && rest.empty())
        return test(file);
    if (command == "list")
        return list(file, rest);
    if (command == "cat" && !rest.empty())
        return cat(file, rest);
    if (command == "extract")
        return extract(file, extractOptions(argc, argv));
    throw Failure(Usage, "unknown command or argument '" +
                             std::string(argc > 3 ? argv[3] : argv[1]) + "'");
}

} // namespace

int main(int argc, char **argv) {
    try {
        return run(argc, argv);
    } catch (const Failure &f) {
        std::fprintf(stderr, "kegtap: %s%s\n", f.what(),
                     f.code == Usage ? " (see kegtap --help)" : "");
        return f.code;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "kegtap: %s\n", e.what());
        return InputOutput;
    }
}
