// SPDX-License-Identifier: GPL-3.0-or-later
// kegtap's commands (info, list, extract, cat, test) and tankcreator's options, on Tanks made by
// the project's writer and on the real Tank.
#include "tests/kegtap/support/tank_files.h"
#include "tests/support/realdata_path.h"
#include "tests/tools/tool_runner.h"
#include "thalrex_version.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace {

using tankwriter::Format;
using tankwriter::Node;

bool contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

// Files in walk order: a nested file, an empty one, and one stored raw for damaging.
Node sampleTree() {
    return Node::folder(
        "",
        {Node::file("Info.gas", compressibleBytes(5000, 1)),
         Node::file("raw.bin", randomBytes(3000, 2), {Format::Raw, 0, 0}),
         Node::folder("World",
                      {Node::file("empty.gas", {}),
                       Node::folder("Maps", {Node::file("Big.gas", compressibleBytes(40000, 3)),
                                             Node::file("noise.bin", randomBytes(9000, 4))})})});
}

std::string text(const std::vector<uint8_t> &bytes) {
    return std::string(bytes.begin(), bytes.end());
}

class TankCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { writeBytes(tank, tankwriter::buildTank(sampleTree())); }

    TempFolder temp;
    fs::path tank = temp / "sample.dsres";
};

TEST_F(TankCommandsTest, PatternsSelectWholePathsWithoutRegardToCase) {
    struct Case {
        std::vector<std::string> patterns;
        int status;
        std::vector<std::string> files; // extracted, in order
    };
    const Case cases[] = {
        {{"*.gas"}, 0, {"Info.gas", "World/Maps/Big.gas", "World/empty.gas"}},
        {{"world/maps/*"}, 0, {"World/Maps/Big.gas", "World/Maps/noise.bin"}},
        {{"?nfo.GAS", "*.bin"}, 0, {"Info.gas", "World/Maps/noise.bin", "raw.bin"}},
        {{"[rx]aw.bin"}, 0, {"raw.bin"}},
        {{"Maps/*"}, 1, {}}, // matched against the whole path
        {{"*.gas", "*.lnc"}, 1, {}},
    };
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.patterns.front());
        const fs::path out = temp / ("out" + std::to_string(n++));
        std::vector<std::string> args{"extract", tank, "-d", out, "-q"};
        args.insert(args.end(), c.patterns.begin(), c.patterns.end());
        const ToolResult extracted = runTool("kegtap", args);
        EXPECT_EQ(extracted.status, c.status) << extracted.err;
        std::vector<std::string> listArgs{"list", tank};
        listArgs.insert(listArgs.end(), c.patterns.begin(), c.patterns.end());
        const ToolResult listed = runTool("kegtap", listArgs);
        EXPECT_EQ(listed.status, c.status);
        std::vector<std::string> files;
        if (fs::exists(out))
            for (const auto &[path, content] : listTree(out))
                if (content != "<dir>")
                    files.push_back(path);
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, c.files);
        for (const std::string &f : c.files)
            EXPECT_TRUE(contains(listed.out, f)) << listed.out;
        if (c.status != 0) {
            EXPECT_TRUE(contains(extracted.err, "no file matches '" + c.patterns.back() + "'"))
                << extracted.err;
            EXPECT_FALSE(fs::exists(out / "Info.gas")); // nothing extracted
        }
        EXPECT_TRUE(c.status != 0 || extracted.err.empty()); // silent when not a terminal
    }
}

TEST_F(TankCommandsTest, ListEndsWithTheTotals) {
    const ToolResult all = runTool("kegtap", {"list", tank});
    ASSERT_EQ(all.status, 0) << all.err;
    // 5000 + 3000 + 0 + 40000 + 9000 content bytes; the raw and random files are stored as
    // they are, the Gas text shrinks.
    const std::string last = all.out.substr(all.out.rfind('\n', all.out.size() - 2) + 1);
    EXPECT_EQ(last.substr(0, 12), "       57000") << last;
    EXPECT_TRUE(contains(last, " 5 files, ")) << last;
    const unsigned long long stored = std::stoull(last.substr(last.find("files, ") + 7));
    EXPECT_GT(stored, 12000u);
    EXPECT_LT(stored, 57000u);
    const ToolResult some = runTool("kegtap", {"list", tank, "*.bin"});
    EXPECT_TRUE(contains(some.out, "       12000  ")) << some.out;
    EXPECT_TRUE(contains(some.out, " 2 files, 12000 bytes stored (100.0%)")) << some.out;
}

TEST_F(TankCommandsTest, CatWritesCheckedContentOnly) {
    const std::vector<uint8_t> big = compressibleBytes(40000, 3);
    const ToolResult nested = runTool("kegtap", {"cat", tank, "world/maps/big.GAS", "Info.gas"});
    EXPECT_EQ(nested.status, 0) << nested.err;
    EXPECT_EQ(nested.out, text(big) + text(compressibleBytes(5000, 1)));

    const ToolResult missing = runTool("kegtap", {"cat", tank, "World/Maps"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(contains(missing.err, "no file World/Maps")) << missing.err;

    tankwriter::TankLayout layout;
    std::vector<uint8_t> bytes = tankwriter::buildTank(sampleTree(), {}, &layout);
    bytes[layout.files[1].storedPosition + 10] ^= 0x40; // raw.bin
    writeBytes(tank, bytes);
    const ToolResult damaged = runTool("kegtap", {"cat", tank, "raw.bin"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_TRUE(damaged.out.empty());
    EXPECT_TRUE(contains(damaged.err, "Extracted file has different CRC32.")) << damaged.err;
}

TEST_F(TankCommandsTest, WrittenDataChecksumIsTheCrcOfTheContentsInWalkOrder) {
    const std::vector<uint8_t> bytes = readBytes(tank);
    uLong crc = 0;
    for (const auto &content : {compressibleBytes(5000, 1), randomBytes(3000, 2),
                                compressibleBytes(40000, 3), randomBytes(9000, 4)})
        crc = crc32_z(crc, content.data(), content.size());
    EXPECT_EQ(tankwriter::getU32(bytes, 84), crc);
    EXPECT_EQ(runTool("kegtap", {"test", tank}).status, 0);

    std::vector<uint8_t> wrong = bytes;
    tankwriter::putU32(wrong, 84, static_cast<uint32_t>(crc) ^ 1);
    writeBytes(tank, wrong);
    const ToolResult tested = runTool("kegtap", {"test", tank});
    EXPECT_EQ(tested.status, 1);
    EXPECT_TRUE(contains(tested.err, "data checksum")) << tested.err;
}

TEST_F(TankCommandsTest, TankCreatorPrioritySetsTheRank) {
    const fs::path source = temp / "mod";
    fs::create_directories(source);
    writeBytes(source / "a.gas", textBytes("a = 1;"));
    const std::pair<std::string, std::string> cases[] = {
        {"factory", "factory"}, {"language", "language"}, {"expansion", "expansion"},
        {"patch", "patch"},     {"user", "user"},         {"0x3001", "0x3001"},
        {"20480", "0x5000"},    {"010", "0x000a"},        {"USER", "user"},
    };
    for (const auto &[given, shown] : cases) {
        const fs::path out = temp / (given + ".dsres");
        ASSERT_EQ(
            runTool("tankcreator", {"-source", source, "-out", out, "-priority", given}).status, 0);
        EXPECT_TRUE(contains(runTool("kegtap", {"info", out}).out, "Priority:         " + shown))
            << given;
    }
    EXPECT_TRUE(
        contains(runTool("kegtap", {"info", temp / "user.dsres"}).out, "Files:            1"));
    for (const std::string bad : {"mod", "-1", "0x100000000", "", "0x", "1e3", " 1"})
        EXPECT_EQ(runTool("tankcreator", {"-source", source, "-out", temp / "x", "-priority", bad})
                      .status,
                  2)
            << bad;
}

TEST_F(TankCommandsTest, TankCreatorExcludesAndRefusesWhatNoReaderAccepts) {
    const fs::path source = temp / "mod";
    fs::create_directories(source / ".git/objects");
    fs::create_directories(source / "Maps");
    writeBytes(source / ".git/objects/x", textBytes("git"));
    writeBytes(source / "Maps/a.gas", textBytes("a"));
    writeBytes(source / "Maps/a.gas~", textBytes("old"));
    writeBytes(source / "Maps/b.GAS.BAK", textBytes("old"));
    const fs::path out = temp / "mod.dsres";
    const ToolResult packed =
        runTool("tankcreator", {"-source", source, "-out", out, "-exclude", "*~", "-exclude",
                                ".git", "-exclude", "maps/*.bak"});
    ASSERT_EQ(packed.status, 0) << packed.err;
    const ToolResult listed = runTool("kegtap", {"list", out});
    EXPECT_TRUE(contains(listed.out, " 1 files, ")) << listed.out;
    EXPECT_TRUE(contains(listed.out, "Maps/a.gas\n")) << listed.out;
    EXPECT_EQ(runTool("kegtap", {"test", out}).status, 0);

    fs::create_directories(temp / "empty");
    fs::create_directories(temp / "slash");
    fs::create_directories(temp / "folders/a/b");
    writeBytes(temp / "slash/a\\b.gas", textBytes("x"));
    const std::vector<std::vector<std::string>> refused = {
        {"-source", temp / "empty", "-out", temp / "r1"},
        {"-source", source, "-out", temp / "r2", "-exclude", "*"},
        {"-source", temp / "slash", "-out", temp / "r3"},
        {"-source", temp / "folders", "-out", temp / "r4"},
    };
    for (const auto &args : refused) {
        const ToolResult r = runTool("tankcreator", args);
        EXPECT_EQ(r.status, 1) << args[1];
        EXPECT_FALSE(r.err.empty());
        EXPECT_FALSE(fs::exists(args[3]));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 6);
}

TEST_F(TankCommandsTest, TankCreatorSkipsWhatCannotBePackedAndNeverPacksItsOutput) {
    const fs::path source = temp / "mod";
    fs::create_directories(source);
    writeBytes(source / "a.gas", textBytes("a"));
    ASSERT_EQ(mkfifo((source / "pipe").c_str(), 0644), 0);
    fs::create_symlink(temp / "gone", source / "dangling");
    fs::create_symlink(source / "a.gas", source / "link.gas");
    const fs::path out = source / "mod.dsres"; // inside the source, packed twice
    for (int run = 0; run < 2; ++run) {
        const ToolResult packed = runTool("tankcreator", {"-source", source, "-out", out});
        ASSERT_EQ(packed.status, 0) << packed.err;
        EXPECT_TRUE(contains(packed.err, "/mod/pipe: FIFO skipped\n")) << packed.err;
        EXPECT_TRUE(contains(packed.err, "/mod/dangling: dangling symbolic link skipped\n"));
        EXPECT_EQ(contains(packed.err, "/mod/mod.dsres: the output file skipped\n"), run == 1);
    }
    const ToolResult listed = runTool("kegtap", {"list", out});
    EXPECT_TRUE(contains(listed.out, " 2 files, ")) << listed.out; // a.gas and link.gas
    EXPECT_TRUE(contains(listed.out, "link.gas\n"));
}

// Names in a Tank are Windows-1252 bytes; on disk and on the command line they are UTF-8.
TEST_F(TankCommandsTest, NamesAreWindows1252InTheTankAndUtf8Outside) {
    const std::string folder = "\xC3\x9C"
                               "ber"; // Über
    const std::string file = "Gr\xC3\xB6\xC3\x9F"
                             "e \xE2\x82\xAC.txt"; // Größe €.txt
    const std::string asked = "\xC3\xBC"
                              "BER/GR\xC3\x96\xC3\x9F"
                              "E \xE2\x82\xAC.TXT"; // üBER/GRÖßE
    const fs::path source = temp / "mod";
    fs::create_directories(source / folder);
    writeBytes(source / folder / file, textBytes("euro"));
    const fs::path out = temp / "names.dsres";
    ASSERT_EQ(runTool("tankcreator", {"-source", source, "-out", out}).status, 0);
    const std::string bytes = text(readBytes(out));
    EXPECT_TRUE(contains(bytes, std::string("\xDC"
                                            "ber\0",
                                            5)));
    EXPECT_TRUE(contains(bytes, "Gr\xF6\xDF"
                                "e \x80.txt"));

    EXPECT_TRUE(contains(runTool("kegtap", {"list", out}).out, folder + "/" + file + "\n"));
    // Found without regard to case, accented capitals included.
    EXPECT_EQ(runTool("kegtap", {"cat", out, asked}).out, "euro");
    ASSERT_EQ(runTool("kegtap", {"extract", out, "-d", temp / "x"}).status, 0);
    EXPECT_EQ(readBytes(temp / "x" / folder / file), textBytes("euro"));
}

TEST_F(TankCommandsTest, HelpListsEveryCommandAndOption) {
    const std::pair<std::string, std::vector<std::string>> tools[] = {
        {"kegtap",
         {"info FILE", "list FILE [PATTERN...]", "test FILE", "extract FILE", "-d FOLDER", "--yes",
          "-n", "-j N", "-q", "cat FILE PATH...", "--help", "--version"}},
        {"tankcreator",
         {"-source", "-out", "-format", "-chunk-size", "-title", "-author", "-copyright",
          "-priority", "factory", "language", "expansion", "patch", "user", "-exclude", "--help",
          "--version"}},
    };
    for (const auto &[tool, words] : tools) {
        const ToolResult help = runTool(tool, {"--help"});
        EXPECT_EQ(help.status, 0);
        for (const std::string &w : words)
            EXPECT_TRUE(contains(help.out, w)) << tool << ": " << w;
        const ToolResult version = runTool(tool, {"--version"});
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, tool + " " THALREX_VERSION "\n");
    }
}

// The tools answer as the library does where a second reader used to disagree with it.
TEST_F(TankCommandsTest, ChildlessSubFolderWithoutParentIsRefusedAsTheLibraryRefusesIt) {
    tankwriter::TankLayout layout;
    std::vector<uint8_t> bytes = tankwriter::buildTank(
        Node::folder("", {Node::file("a.gas", textBytes("a")), Node::folder("lost", {})}), {},
        &layout);
    ASSERT_EQ(layout.directories.size(), 2u);
    tankwriter::putU32(bytes, layout.indexOffset + layout.directories[1].entryOffset, 0);
    tankwriter::refreshIndexCrc(bytes);
    writeBytes(tank, bytes);
    for (const std::vector<std::string> &args : {std::vector<std::string>{"test"},
                                                 {"list"},
                                                 {"info"},
                                                 {"cat", "a.gas"},
                                                 {"extract", "-d", temp / "out"}}) {
        std::vector<std::string> all{args.front(), tank};
        all.insert(all.end(), args.begin() + 1, args.end());
        const ToolResult r = runTool("kegtap", all);
        EXPECT_EQ(r.status, 1) << args.front();
        EXPECT_TRUE(contains(r.err, "No child in root directory.")) << r.err;
    }
}

TEST_F(TankCommandsTest, DeclaredIndexSizeIsCheckedAgainstTheFileBeforeAllocation) {
    std::vector<uint8_t> bytes = tankwriter::buildTank(sampleTree());
    bytes.resize(1024);
    for (const uint32_t size : {512u << 20, 0xFFFFFFF0u}) {
        tankwriter::putU32(bytes, 12, 800);
        tankwriter::putU32(bytes, 20, size);
        writeBytes(tank, bytes);
        const ToolResult r = runTool("kegtap", {"list", tank});
        EXPECT_EQ(r.status, 1) << size;
        EXPECT_TRUE(contains(r.err, "Failure to read index.")) << r.err;
    }
    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, 100 * 1024); // kilobytes
}

TEST_F(TankCommandsTest, DeepTreesExtractBelowThePathLengthLimit) {
    const std::string name(200, 'd');
    Node tree = Node::file("deep.gas", textBytes("bottom"));
    for (int i = 0; i < 40; ++i) // 8 KB of path, twice PATH_MAX
        tree = Node::folder(name, {std::move(tree)});
    writeBytes(tank, tankwriter::buildTank(Node::folder("", {std::move(tree)})));
    const ToolResult r = runTool("kegtap", {"extract", tank, "-d", temp / "out"});
    ASSERT_EQ(r.status, 0) << r.err;
    int fd = ::open((temp / "out").c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 40 && fd >= 0; ++i) {
        const int next = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    ASSERT_GE(fd, 0);
    const int file = ::openat(fd, "deep.gas", O_RDONLY);
    ::close(fd);
    ASSERT_GE(file, 0);
    char content[16] = {};
    EXPECT_EQ(::read(file, content, sizeof content), 6);
    ::close(file);
    EXPECT_STREQ(content, "bottom");
    EXPECT_EQ(runTool("kegtap", {"test", tank}).status, 0);
    EXPECT_EQ(runTool("kegtap", {"cat", tank, std::string(40 * 201, 'x')}).status, 1);
}

// Threads change how fast, not what: the same files, the same errors in the same order.
TEST_F(TankCommandsTest, ExtractWithThreadsGivesTheResultOfOneThread) {
    std::vector<Node> files;
    for (int i = 0; i < 40; ++i)
        files.push_back(Node::file("f" + std::to_string(i) + ".gas", compressibleBytes(20000, i)));
    tankwriter::TankLayout layout;
    std::vector<uint8_t> bytes = tankwriter::buildTank(
        Node::folder("", {Node::folder("a", std::move(files)), Node::folder("empty", {})}), {},
        &layout);
    for (const size_t broken : {3u, 17u, 31u})
        bytes[layout.files[broken].storedPosition] ^= 0xFF;
    writeBytes(tank, bytes);
    std::vector<ToolResult> runs;
    for (const std::string jobs : {"1", "4"}) {
        // Options before the Tank name, and "--" before it.
        runs.push_back(runTool("kegtap", {"extract", "-j", jobs, "-d", temp / "out", "--", tank}));
        EXPECT_EQ(runs.back().status, 1) << runs.back().err;
        EXPECT_TRUE(fs::is_directory(temp / "out/empty"));
        EXPECT_EQ(listTree(temp / "out").size(), 39u); // 37 files and two folders
        fs::rename(temp / "out", temp / ("out" + jobs));
    }
    EXPECT_EQ(runs[0].err, runs[1].err);
    EXPECT_EQ(runs[0].err, "kegtap: a/f3.gas: Uncompress error.\n"
                           "kegtap: a/f17.gas: Uncompress error.\n"
                           "kegtap: a/f31.gas: Uncompress error.\n");
    EXPECT_EQ(listTree(temp / "out1"), listTree(temp / "out4"));
}

TEST_F(TankCommandsTest, ControlCharactersInNamesAreShownEscaped) {
    writeBytes(tank, tankwriter::buildTank(
                         Node::folder("", {Node::file("a\nforged\x1b[2J\\.gas", textBytes("x"))})));
    const ToolResult listed = runTool("kegtap", {"list", tank});
    EXPECT_TRUE(contains(listed.out, "  a\\nforged\\033[2J\\\\.gas\n")) << listed.out;
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 2);
}

// test and cat decode in memory: they need no temporary folder.
TEST_F(TankCommandsTest, TestAndCatWriteNoFile) {
    const std::vector<std::string> noTemporaryFolder{"TMPDIR=" + (temp / "missing").string()};
    const ToolResult tested = runTool("kegtap", {"test", tank}, noTemporaryFolder);
    const ToolResult shown = runTool("kegtap", {"cat", tank, "info.gas"}, noTemporaryFolder);
    EXPECT_EQ(tested.status, 0) << tested.err;
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, text(compressibleBytes(5000, 1)));
}

// The real Tank made by the game's tools.
TEST(RealTankInfoTest, InfoShowsTheHeaderAsTheAuthorWroteIt) {
    const fs::path pumpkin = realDataPath("tank/Pumpkin.dsmap");
    if (pumpkin.empty())
        return;
    const ToolResult info = runTool("kegtap", {"info", pumpkin});
    ASSERT_EQ(info.status, 0) << info.err;
    for (const std::string line :
         {"Creator:          USER", "Product version:  0.5.2002.3.8.1", "Priority:         user",
          "Build time:       2023-03-18 ", "Copyright:        CC-BY-SA 2022\n",
          "Build text:       \n", "Title:            Pumpkin\n",
          "Author:           Johannes F\xc3\xb6rstner\n", "Data checksum:    0x6c29163d",
          "Folders:          13", "Files:            28", "Content bytes:    10438"})
        EXPECT_TRUE(contains(info.out, line)) << line << "\n" << info.out;
    // The data checksum recomputed from the contents matches the game's tools.
    const ToolResult tested = runTool("kegtap", {"test", pumpkin});
    EXPECT_EQ(tested.status, 0) << tested.err;
    EXPECT_TRUE(tested.err.empty()) << tested.err;
}

} // namespace
