// kegtap: lists, tests and extracts Tank files through libkegtap's public exports.
#include "tools/kegtap/tank_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace kegtapcli;
namespace fs = std::filesystem;

namespace {

const char *const usage =
    "Usage: kegtap list FILE                      list folders and files: size, stored form, time\n"
    "       kegtap test FILE                      check every file's CRC-32, write nothing\n"
    "       kegtap extract FILE [-d FOLDER] [--yes]\n"
    "                                             extract into FOLDER (default: the current "
    "folder)\n"
    "       kegtap --help\n"
    "\n"
    "FILE is any Tank file (.dsparty, .dsmap, .dsres, ...). extract stops at the first file that\n"
    "fails; a file whose CRC-32 does not match, or whose time cannot be set, counts as failed\n"
    "unless --yes is given, which keeps it and goes on.\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  damaged Tank file or CRC errors\n"
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

std::string formText(const TankFile &tank, const FileEntry &f) {
    if (f.Format == 0)
        return "raw";
    const auto *entry = reinterpret_cast<const uint8_t *>(&f);
    const uint64_t offset = static_cast<uint64_t>(entry - tank.index());
    const uint64_t header = (offset + 30 + f.NameLength + 1 + 3) & ~uint64_t{3};
    uint32_t chunkSize;
    std::memcpy(&chunkSize, tank.index() + header + 4, 4);
    const std::string name = f.Format == 1 ? "zlib" : "lzo";
    return chunkSize == 0 ? name : name + "/" + std::to_string(chunkSize);
}

int list(const std::string &path) {
    const TankFile tank(path);
    tank.walk([&tank](const Entry &e) {
        if (!e.isFile) {
            const auto &d = *reinterpret_cast<const DirEntry *>(e.address);
            std::printf("%12s  %-12s  %-19s  %s/\n", "-", "folder", timeText(d.FileTime).c_str(),
                        e.path.c_str());
            return;
        }
        const FileEntry &f = tank.file(e);
        std::printf("%12u  %-12s  %-19s  %s\n", f.Size, formText(tank, f).c_str(),
                    timeText(f.FileTime).c_str(), e.path.c_str());
    });
    return Success;
}

// Progress on stderr, only when it is a terminal.
class Progress {
public:
    explicit Progress(size_t total) : total_(total), shown_(isatty(STDERR_FILENO) != 0) {}
    ~Progress() {
        if (shown_ && done_ > 0)
            std::fputs("\r\33[K", stderr);
    }
    void next(const std::string &path) {
        ++done_;
        if (shown_)
            std::fprintf(stderr, "\r\33[K[%zu/%zu] %s", done_, total_, path.c_str());
    }

private:
    size_t total_;
    bool shown_;
    size_t done_ = 0;
};

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

std::string folderOf(const fs::path &root, const std::string &path) {
    const fs::path parent = fs::path(path).parent_path();
    return (parent.empty() ? root : root / parent).string();
}

int test(const std::string &path) {
    const TankFile tank(path);
    const char *base = std::getenv("TMPDIR");
    std::string scratch =
        std::string(base != nullptr && *base ? base : "/tmp") + "/kegtap-test-XXXXXX";
    if (::mkdtemp(scratch.data()) == nullptr)
        throw Failure(InputOutput,
                      std::string("Cannot create a scratch folder: ") + std::strerror(errno));
    SetKvPromptHandler(nullptr, nullptr);
    size_t files = 0, failed = 0;
    int status = Success;
    Progress progress(tank.fileCount());
    tank.walk([&](const Entry &e) {
        if (!e.isFile)
            return;
        ++files;
        progress.next(e.path);
        if (!ExtractFile(e.address, tank.fd(), tank.header().DataOffset, tank.index(),
                         scratch.c_str())) {
            const Failure failure = libraryFailure(e.path);
            std::fprintf(stderr, "\nkegtap: %s\n", failure.what());
            ++failed;
            status = std::max(status, static_cast<int>(failure.code));
        }
        for (const auto &written : fs::directory_iterator(scratch))
            fs::remove(written.path());
    });
    fs::remove_all(scratch);
    if (failed == 0)
        std::printf("%s: %zu files OK\n", path.c_str(), files);
    else
        std::printf("%s: %zu of %zu files failed\n", path.c_str(), failed, files);
    return status;
}

// Creates a folder of the tree; an existing real folder is accepted, a link never followed.
void makeFolder(const std::string &path) {
    struct stat st {};
    if (::mkdir(path.c_str(), 0777) != 0 &&
        (errno != EEXIST || ::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)))
        throw Failure(InputOutput, "Cannot create directory " + path + ": " +
                                       std::strerror(errno == EEXIST ? ENOTDIR : errno));
}

int extract(const std::string &path, const fs::path &destination, bool yes) {
    const TankFile tank(path);
    std::error_code error;
    fs::create_directories(destination, error);
    if (!fs::is_directory(destination))
        throw Failure(InputOutput, "Cannot create directory " + destination.string());
    Warnings warnings{yes, 0};
    SetKvPromptHandler(warn, &warnings);
    Progress progress(tank.fileCount());
    tank.walk([&](const Entry &e) {
        if (!e.isFile) {
            makeFolder((destination / e.path).string());
            return;
        }
        progress.next(e.path);
        if (!ExtractFile(e.address, tank.fd(), tank.header().DataOffset, tank.index(),
                         folderOf(destination, e.path).c_str()))
            throw libraryFailure(e.path);
    });
    SetKvPromptHandler(nullptr, nullptr);
    return warnings.count > 0 ? Damaged : Success;
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
    if ((command == "list" || command == "test") && argc == 3)
        return command == "list" ? list(file) : test(file);
    if (command != "extract")
        throw Failure(Usage, "unknown command or argument '" +
                                 std::string(argc > 3 ? argv[3] : argv[1]) + "'");
    fs::path destination = ".";
    bool yes = false;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--yes")
            yes = true;
        else if (arg == "-d" && i + 1 < argc)
            destination = argv[++i];
        else
            throw Failure(Usage, "unknown argument '" + arg + "'");
    }
    return extract(file, destination, yes);
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
