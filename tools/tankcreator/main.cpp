// SPDX-License-Identifier: GPL-3.0-or-later
// tankcreator: packs a folder tree into a Tank file that kegtap and the game read.
#include "kegtap/writer/tank_writer.h"
#include "thalrex_version.h"
#include "tools/number_argument.h"
#include "tools/stop_signals.h"
#include "tools/tank_priority.h"
#include "tools/tankcreator/folder_scan.h"
#include "tools/terminal_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char *const usage =
    "Usage: tankcreator -source FOLDER -out FILE [options]\n"
    "Packs FOLDER and everything below it into the Tank file FILE (for example a .dsparty).\n"
    "FILE is written only when the whole folder was packed (an interrupted run leaves nothing),\n"
    "and never packed into itself. Names are stored in Windows-1252, the game's code page: a\n"
    "name with a character outside it, a name holding a backslash (the game's separator) and a\n"
    "folder without files are refused. Symbolic links are followed; dangling ones, FIFOs,\n"
    "sockets and devices are skipped with a warning.\n"
    "\n"
    "Options:\n"
    "  -format zlib|lzo|raw   how file content is stored (default zlib)\n"
    "  -chunk-size BYTES      content bytes per compressed chunk, 0 for one block per file\n"
    "                         (default 16384); chunks that do not shrink are stored as they are.\n"
    "                         Memory use follows the chunk size, not the file size (LZO1X in one\n"
    "                         block holds each file whole)\n"
    "  -title TEXT            title text of the header (default empty)\n"
    "  -author TEXT           author text of the header (default empty)\n"
    "  -copyright TEXT        copyright text of the header (default empty)\n"
    "  -priority RANK         which Tank wins when several hold the same file: factory,\n"
    "                         language, expansion, patch, user (default), case aside, or a\n"
    "                         NUMBER (decimal or 0x hex)\n"
    "  -exclude PATTERN       leave out files and folders whose name or relative path matches\n"
    "                         the shell PATTERN, case aside (repeatable), e.g. -exclude '*~'\n"
    "                         -exclude .git\n"
    "  --help                 this text\n"
    "  --version              the version\n"
    "Options may also be written with two dashes.\n"
    "\n"
    "Exit status: 0 packed, 1 error, 2 wrong command line.\n";

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Options {
    std::string source;
    std::string out;
    tankwriter::Storage storage;
    tankwriter::TankHeaderInfo info;
    std::vector<std::string> excludes;
};

tankwriter::Format parseFormat(const std::string &value) {
    if (value == "zlib")
        return tankwriter::Format::Zlib;
    if (value == "lzo")
        return tankwriter::Format::Lzo;
    if (value == "raw")
        return tankwriter::Format::Raw;
    throw UsageError("unknown format '" + value + "' (zlib, lzo or raw)");
}

uint32_t parseChunkSize(const std::string &value) {
    const std::optional<uint64_t> n = parseNumber(value);
    if (!n || *n > (1u << 30))
        throw UsageError("invalid chunk size '" + shownText(value) + "'");
    return static_cast<uint32_t>(*n);
}

uint32_t parsePriority(const std::string &value) {
    if (const std::optional<uint32_t> rank = priorityOfRank(value))
        return *rank;
    const std::optional<uint64_t> n = parseNumber(value);
    if (!n || *n > 0xFFFFFFFFull)
        throw UsageError("invalid priority '" + shownText(value) + "'");
    return static_cast<uint32_t>(*n);
}

enum class Request { Pack, Help, Version };

Request parse(int argc, char **argv, Options &o) {
    std::map<std::string, std::string> values;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-help" || arg == "-h")
            return Request::Help;
        if (arg == "--version")
            return Request::Version;
        if (arg.rfind("--", 0) == 0)
            arg.erase(0, 1);
        static const char *const known[] = {"-source",     "-out",      "-format",
                                            "-chunk-size", "-title",    "-author",
                                            "-copyright",  "-priority", "-exclude"};
        if (std::find(std::begin(known), std::end(known), arg) == std::end(known))
            throw UsageError("unknown argument '" + shownText(argv[i]) + "'");
        if (i + 1 >= argc)
            throw UsageError(arg + " needs a value");
        if (arg == "-exclude")
            o.excludes.push_back(argv[++i]);
        else
            values[arg] = argv[++i];
    }
    if (values["-source"].empty() || values["-out"].empty())
        throw UsageError("both -source and -out are needed");
    o.source = values["-source"];
    o.out = values["-out"];
    if (values.count("-format"))
        o.storage.format = parseFormat(values["-format"]);
    if (values.count("-chunk-size"))
        o.storage.chunkSize = parseChunkSize(values["-chunk-size"]);
    o.info.title = values["-title"];
    o.info.author = values["-author"];
    o.info.copyright = values["-copyright"];
    if (values.count("-priority"))
        o.info.priority = parsePriority(values["-priority"]);
    tankwriter::checkHeaderTexts(o.info);
    return Request::Pack;
}

// The temporary output while it is written, for the signal handler to remove.
const char *volatile temporaryOutput = nullptr;

void removeTemporaryOutput(int signal) {
    if (const char *path = temporaryOutput)
        ::unlink(path);
    StopSignals::endAs(signal); // the signal is delivered once this handler returns
}

void warn(const std::string &message) {
    std::fprintf(stderr, "tankcreator: %s\n", message.c_str());
}

// Packs into a temporary file beside the output and renames it at the end.
void pack(const Options &o) {
    tankcreator::ScanOptions scan{o.storage, o.excludes, std::nullopt, warn};
    struct stat existing {};
    if (::stat(o.out.c_str(), &existing) == 0)
        scan.output = {existing.st_dev, existing.st_ino};
    const tankwriter::Node tree = tankcreator::scanFolder(o.source, scan);
    const StopSignals signals(removeTemporaryOutput, 0);
    std::string temporary = o.out + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw std::runtime_error("Cannot create " + shownText(o.out) + ": " + std::strerror(errno));
    temporaryOutput = temporary.c_str();
    bool open = true;
    try {
        tankwriter::FileSink sink(fd);
        tankwriter::writeTank(tree, o.info, sink);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        const bool written = ::fchmod(fd, 0666 & ~mask) == 0 && ::fsync(fd) == 0;
        open = false;
        if (::close(fd) != 0 || !written || ::rename(temporary.c_str(), o.out.c_str()) != 0)
            throw std::runtime_error("Cannot write " + shownText(o.out) + ": " +
                                     std::strerror(errno));
    } catch (...) {
        if (open)
            ::close(fd);
        ::unlink(temporary.c_str());
        temporaryOutput = nullptr;
        throw;
    }
    temporaryOutput = nullptr;
}

} // namespace

int main(int argc, char **argv) {
    try {
        Options options;
        switch (parse(argc, argv, options)) {
        case Request::Help:
            std::fputs(usage, stdout);
            return 0;
        case Request::Version:
            std::printf("tankcreator %s\n", THALREX_VERSION);
            return 0;
        case Request::Pack:
            pack(options);
            return 0;
        }
        return 0;
    } catch (const UsageError &e) {
        std::fprintf(stderr, "tankcreator: %s (see tankcreator --help)\n", e.what());
        return 2;
    } catch (const std::invalid_argument &e) {
        std::fprintf(stderr, "tankcreator: %s\n", e.what());
        return 2;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "tankcreator: %s\n", e.what());
        return 1;
    }
}
