// SPDX-License-Identifier: GPL-3.0-or-later
// kegtap: looks inside, lists, tests and extracts Tank files through libkegtap's handle interface.
#include "thalrex_version.h"
#include "tools/kegtap/command_line.h"
#include "tools/kegtap/extraction.h"
#include "tools/kegtap/file_selection.h"
#include "tools/kegtap/header_info.h"
#include "tools/kegtap/tank_file.h"
#include "tools/terminal_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>
#include <vector>
#include <zlib.h>

using namespace kegtapcli;

namespace {

const char *const usage =
    "Usage: kegtap info FILE                      show the header: creator, versions, priority,\n"
    "                                             build time, texts, checksums and counts\n"
    "       kegtap list FILE [PATTERN...]         list folders and files: size, stored form,\n"
    "                                             time, and a totals line\n"
    "       kegtap test FILE                      check every file's CRC-32 and the data\n"
    "                                             checksum, write nothing\n"
    "       kegtap extract FILE [-d FOLDER] [--yes] [-n] [-j N] [-q] [PATTERN...]\n"
    "                                             extract into FOLDER (default: the current "
    "folder)\n"
    "       kegtap cat FILE PATH...               write the named files to standard output\n"
    "       kegtap --help | --version\n"
    "\n"
    "FILE is any Tank file (.dsparty, .dsmap, .dsres, ...). Options may stand before or after it;\n"
    "\"--\" ends the options. A PATTERN selects the files whose whole path matches it (\"*\", "
    "\"?\",\n"
    "\"[...]\"; \"*\" also matches \"/\"; case does not matter); a pattern that matches nothing is "
    "an\n"
    "error. A PATH of cat names one file, case aside. Names are shown with control characters\n"
    "escaped (\\n, \\033, ...).\n"
    "\n"
    "extract writes each file under a temporary name beside it and renames it into place once it\n"
    "is complete and its CRC-32 matches, so a file that fails, or an interrupted extraction,\n"
    "leaves what was there untouched; a hard link there is replaced, not written through. A file\n"
    "that fails is reported and the others go on. A file whose CRC-32 does not match, or whose\n"
    "time cannot be set, counts as failed unless --yes keeps it. -n leaves existing files alone.\n"
    "A file that would land on FILE itself is refused. -j N extracts with N threads (default: one\n"
    "per core), with the same result as one. On a terminal, an extraction longer than a second\n"
    "shows its progress; -q keeps it quiet.\n"
    "test and cat decode in memory and write no file. cat writes a file of up to 64 MiB only when\n"
    "its CRC-32 matches; a larger one is written as it is decoded, and a mismatch is reported at\n"
    "its end.\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  damaged Tank file, CRC errors, a refused file, or a pattern or path that matches "
    "nothing\n"
    "  2  wrong command line\n"
    "  3  input/output error (a file or folder cannot be read or written)\n";

// Files up to this size are held whole by cat, so that only checked content is written.
constexpr uint64_t CatHoldLimit = 64ull << 20;

// A stored time of 0, 1601-01-01, which stands for none.
constexpr int64_t NoTime = -11644473600LL;

// The stored time as UTC text.
std::string timeText(int64_t seconds) {
    const auto time = static_cast<time_t>(seconds);
    std::tm utc{};
    char text[32] = "-";
    if (seconds != NoTime && gmtime_r(&time, &utc) != nullptr)
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &utc);
    return text;
}

std::string formText(const kegtap_entry &e) {
    std::string form = e.format == KEGTAP_FORMAT_RAW    ? "raw"
                       : e.format == KEGTAP_FORMAT_ZLIB ? "zlib"
                                                        : "lzo";
    if (e.format != KEGTAP_FORMAT_RAW && e.chunk_size != 0)
        form += "/" + std::to_string(e.chunk_size);
    return form;
}

int info(const std::string &path) {
    printInfo(TankFile(path));
    return Success;
}

int list(const std::string &path, const std::vector<std::string> &patterns) {
    const TankFile tank(path);
    const std::vector<size_t> selected = selectFiles(tank, patterns);
    size_t nextFolder = 0;
    uint64_t content = 0, stored = 0;
    const auto foldersBefore = [&](size_t file) {
        for (; nextFolder < tank.folderCount(); ++nextFolder) {
            const kegtap_folder f = tank.folder(nextFolder);
            if (f.files_before > file)
                break;
            if (patterns.empty()) // with patterns, only the matching files
                std::printf("%12s  %-12s  %-19s  %s/\n", "-", "folder", timeText(f.mtime).c_str(),
                            shownText(f.path).c_str());
        }
    };
    for (const size_t i : selected) {
        foldersBefore(i);
        const kegtap_entry e = tank.file(i);
        content += e.size;
        stored += e.stored_size;
        std::printf("%12llu  %-12s  %-19s  %s\n", static_cast<unsigned long long>(e.size),
                    formText(e).c_str(), timeText(e.mtime).c_str(), shownText(e.path).c_str());
    }
    foldersBefore(tank.fileCount());
    const double ratio = content == 0 ? 100.0 : 100.0 * static_cast<double>(stored) / content;
    std::printf("%12llu  %-12s  %-19s  %zu files, %llu bytes stored (%.1f%%)\n",
                static_cast<unsigned long long>(content), "", "", selected.size(),
                static_cast<unsigned long long>(stored), ratio);
    return Success;
}

int discard(void *, const void *, size_t) {
    return 0;
}

int test(const std::string &path) {
    const TankFile tank(path);
    size_t failed = 0;
    int status = Success;
    uLong contents = 0; // the CRC-32 of all contents, from each file's own CRC-32
    for (size_t i = 0; i < tank.fileCount(); ++i) {
        const kegtap_entry e = tank.file(i);
        contents = crc32_combine(contents, e.crc32, static_cast<z_off_t>(e.size));
        const std::string path = e.path;
        if (kegtap_read_into(tank.handle(), i, discard, nullptr) != 0) {
            std::fprintf(stderr, "kegtap: %s\n", tank.lastError(path).c_str());
            ++failed;
            status = std::max(status, static_cast<int>(exitCodeOf(kegtap_errno(tank.handle()))));
        }
    }
    kegtap_header h{};
    if (kegtap_header_info(tank.handle(), &h) != 0)
        tank.fail(path);
    if (h.data_crc32 != contents) {
        std::fprintf(stderr,
                     "kegtap: %s: data checksum 0x%08x does not match the contents (0x%08x)\n",
                     shownText(path).c_str(), h.data_crc32, static_cast<uint32_t>(contents));
        status = std::max(status, static_cast<int>(Damaged));
    }
    if (failed == 0)
        std::printf("%s: %zu files OK\n", shownText(path).c_str(), tank.fileCount());
    else
        std::printf("%s: %zu of %zu files failed\n", shownText(path).c_str(), failed,
                    tank.fileCount());
    return status;
}

int writeOut(void *, const void *data, size_t length) {
    const auto *p = static_cast<const char *>(data);
    while (length > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, p, length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return 1;
        p += n;
        length -= static_cast<size_t>(n);
    }
    return 0;
}

[[noreturn]] void outputFailed() {
    throw Failure(InputOutput, std::string("Cannot write output: ") + std::strerror(errno));
}

int cat(const std::string &path, const std::vector<std::string> &names) {
    const TankFile tank(path);
    for (const std::string &name : names) {
        size_t i = 0;
        if (kegtap_find(tank.handle(), name.c_str(), &i) != 0)
            throw Failure(Damaged, "no file " + shownText(name) + " in " + shownText(path));
        const uint64_t size = tank.file(i).size;
        if (size <= CatHoldLimit) {
            std::vector<char> content(size);
            if (kegtap_read(tank.handle(), i, content.data(), content.size()) != 0)
                tank.fail(name);
            if (writeOut(nullptr, content.data(), content.size()) != 0)
                outputFailed();
        } else if (kegtap_read_into(tank.handle(), i, writeOut, nullptr) != 0) {
            if (kegtap_errno(tank.handle()) == KEGTAP_ERR_CANCELLED)
                outputFailed();
            tank.fail(name);
        }
    }
    return Success;
}

int run(int argc, char **argv) {
    const CommandLine c = parseCommandLine(argc, argv);
    if (c.help) {
        std::fputs(usage, stdout);
        return Success;
    }
    if (c.version) {
        std::printf("kegtap %s\n", THALREX_VERSION);
        return Success;
    }
    if (c.command == "info")
        return info(c.tank);
    if (c.command == "test")
        return test(c.tank);
    if (c.command == "list")
        return list(c.tank, c.operands);
    if (c.command == "cat")
        return cat(c.tank, c.operands);
    return extract(c.tank, c.extract);
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
