// SPDX-License-Identifier: GPL-3.0-or-later
// tankcreator and the kegtap command line, run as a user runs them.
#include "tests/kegtap/support/address_sanitizer.h"
#include "tests/kegtap/support/tank_files.h"
#include "tests/support/realdata_path.h"
#include "tests/tools/tool_runner.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Files with their contents and last-write times, folders by name.
std::vector<std::tuple<std::string, std::string, uint64_t>> treeWithTimes(const fs::path &root) {
    std::vector<std::tuple<std::string, std::string, uint64_t>> tree;
    for (const auto &[path, content] : listTree(root))
        tree.emplace_back(path, content, content == "<dir>" ? 0 : lastWriteFileTime(root / path));
    return tree;
}

void setTime(const fs::path &path, time_t seconds, long micros) {
    const timeval times[2] = {{seconds, micros}, {seconds, micros}};
    ASSERT_EQ(utimes(path.c_str(), times), 0);
}

// Nested and empty folders, an empty file, text and binary content, a few MB in all.
void makeSampleFolder(const fs::path &root) {
    fs::create_directories(root / "world/maps/empty");
    fs::create_directories(root / "Objects");
    writeBytes(root / "Info.gas", compressibleBytes(5000, 1));
    writeBytes(root / "Portrait-0.bmp", randomBytes(70000, 2));
    writeBytes(root / "world/empty.gas", {});
    writeBytes(root / "world/maps/big.gas", compressibleBytes(2500000, 3));
    writeBytes(root / "world/maps/noise.bin", randomBytes(600000, 4));
    writeBytes(root / "Objects/a.gas", compressibleBytes(20000, 5));
    setTime(root / "Info.gas", 1500000000, 123456);
    setTime(root / "world/maps/big.gas", 1000000000, 0);
}

class TankToolsTest : public ::testing::Test {
protected:
    TempFolder temp;
};

TEST_F(TankToolsTest, PumpkinRepackedMatchesTheGameToolsApartFromGuidTimesAndChecksums) {
    const fs::path pumpkin = realDataPath("tank/Pumpkin.dsmap");
    if (pumpkin.empty())
        return;
    const fs::path extracted = temp / "pumpkin";
    ASSERT_EQ(runTool("kegtap", {"extract", pumpkin, "-d", extracted}).status, 0);
    const fs::path repacked = temp / "Pumpkin.dsmap";
    const ToolResult packed = runTool(
        "tankcreator", {"-source", extracted, "-out", repacked, "-copyright", "CC-BY-SA 2022",
                        "-title", "Pumpkin", "-author", "Johannes F\xc3\xb6rstner"});
    ASSERT_EQ(packed.status, 0) << packed.err;

    const std::vector<uint8_t> original = readBytes(pumpkin);
    const std::vector<uint8_t> ours = readBytes(repacked);
    ASSERT_EQ(ours.size(), original.size());
    // Header: everything but the GUID (64), the index checksum (80) and the build time (88).
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + 64, ours.begin()));
    EXPECT_TRUE(std::equal(original.begin() + 104, original.begin() + 784, ours.begin() + 104));
    // The data checksum covers the contents only, so the repack carries the game tools' value.
    EXPECT_EQ(tankwriter::getU32(ours, 84), tankwriter::getU32(original, 84));
    EXPECT_EQ(tankwriter::getU32(ours, 84), 0x6c29163du);
    EXPECT_EQ(runTool("kegtap", {"test", repacked}).status, 0);
    // Data area: byte for byte.
    const uint32_t indexOffset = tankwriter::getU32(original, 12);
    EXPECT_TRUE(
        std::equal(original.begin() + 784, original.begin() + indexOffset, ours.begin() + 784));

    const fs::path again = temp / "again";
    ASSERT_EQ(runTool("kegtap", {"extract", repacked, "-d", again}).status, 0);
    EXPECT_EQ(treeWithTimes(again), treeWithTimes(extracted));
}

TEST_F(TankToolsTest, EveryFormatRoundTripsThroughKegtap) {
    const fs::path source = temp / "Ulf";
    makeSampleFolder(source);
    const std::vector<std::vector<std::string>> formats = {
        {},
        {"-format", "lzo"},
        {"-format", "raw"},
        {"-format", "zlib", "-chunk-size", "0"},
        {"--format", "lzo", "--chunk-size", "65536"}};
    for (const auto &format : formats) {
        const std::string name =
            format.empty() ? "default" : format[1] + (format.size() > 2 ? format[3] : "");
        SCOPED_TRACE(name);
        const fs::path tank = temp / (name + ".dsparty");
        std::vector<std::string> args{"-source", source, "-out", tank};
        args.insert(args.end(), format.begin(), format.end());
        const ToolResult packed = runTool("tankcreator", args);
        ASSERT_EQ(packed.status, 0) << packed.err;
        EXPECT_TRUE(packed.err.empty());

        const ToolResult tested = runTool("kegtap", {"test", tank});
        EXPECT_EQ(tested.status, 0) << tested.err;
        const fs::path out = temp / (name + "-out");
        const ToolResult extracted = runTool("kegtap", {"extract", tank, "-d", out});
        ASSERT_EQ(extracted.status, 0) << extracted.err;
        EXPECT_TRUE(extracted.err.empty()); // no progress when stderr is not a terminal
        EXPECT_EQ(treeWithTimes(out), treeWithTimes(source));
    }
}

TEST_F(TankToolsTest, OneDamagedDataByteFailsTheTest) {
    const fs::path source = temp / "Ulf";
    makeSampleFolder(source);
    for (const std::string format : {"zlib", "raw"}) {
        const fs::path tank = temp / (format + ".dsparty");
        ASSERT_EQ(
            runTool("tankcreator", {"-source", source, "-out", tank, "-format", format}).status, 0);
        std::vector<uint8_t> bytes = readBytes(tank);
        bytes[804 + 100] ^= 0x10; // inside the first file's stored bytes
        writeBytes(tank, bytes);
        const ToolResult tested = runTool("kegtap", {"test", tank});
        EXPECT_EQ(tested.status, 1) << format;
        EXPECT_NE(tested.out.find("1 of 6 files failed"), std::string::npos) << tested.out;
        EXPECT_NE(tested.err.find("Info.gas"), std::string::npos) << tested.err;
    }
}

TEST_F(TankToolsTest, CrcWarningIsAnsweredNoUnlessYesIsGiven) {
    const fs::path source = temp / "Ulf";
    makeSampleFolder(source);
    const fs::path tank = temp / "raw.dsparty";
    ASSERT_EQ(runTool("tankcreator", {"-source", source, "-out", tank, "-format", "raw"}).status,
              0);
    std::vector<uint8_t> bytes = readBytes(tank);
    bytes[804 + 100] ^= 0x10;
    writeBytes(tank, bytes);

    // Without --yes the damaged file is left out and the others are extracted.
    const ToolResult no = runTool("kegtap", {"extract", tank, "-d", temp / "no"});
    EXPECT_EQ(no.status, 1);
    EXPECT_NE(no.err.find("Info.gas: Extracted file has different CRC32.\n"), std::string::npos)
        << no.err;
    EXPECT_FALSE(fs::exists(temp / "no/Info.gas"));
    EXPECT_TRUE(fs::exists(temp / "no/world/maps/big.gas"));

    const ToolResult yes = runTool("kegtap", {"extract", tank, "-d", temp / "yes", "--yes"});
    EXPECT_EQ(yes.status, 1);
    EXPECT_NE(yes.err.find("Info.gas: Extracted file has different CRC32. Kept."),
              std::string::npos)
        << yes.err;
    EXPECT_TRUE(fs::exists(temp / "yes/Info.gas"));
}

TEST_F(TankToolsTest, TankCreatorLeavesNoOutputWhenItFails) {
    const fs::path source = temp / "Ulf";
    makeSampleFolder(source);
    const fs::path tank = temp / "out.dsparty";

    // A name the game's code page cannot hold is refused with its path.
    writeBytes(source / "world/maps/smile\xF0\x9F\x98\x80.gas", textBytes("x"));
    const ToolResult emoji = runTool("tankcreator", {"-source", source, "-out", tank});
    EXPECT_EQ(emoji.status, 1);
    EXPECT_NE(emoji.err.find("world/maps/smile\xF0\x9F\x98\x80.gas"), std::string::npos)
        << emoji.err;
    fs::remove(source / "world/maps/smile\xF0\x9F\x98\x80.gas");

    const ToolResult missing = runTool("tankcreator", {"-source", temp / "none", "-out", tank});
    EXPECT_EQ(missing.status, 1);
    const ToolResult noFolder =
        runTool("tankcreator", {"-source", temp / "Ulf/Objects", "-out", temp / "no/x.dsparty"});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(runTool("tankcreator", {"-source", source}).status, 2);
    EXPECT_EQ(runTool("tankcreator", {"-source", source, "-out", tank, "-format", "bzip"}).status,
              2);
    EXPECT_EQ(
        runTool("tankcreator", {"-source", source, "-out", tank, "-title", std::string(100, 't')})
            .status,
        2);

    std::vector<std::string> left;
    for (const auto &e : fs::directory_iterator(temp.path()))
        left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"Ulf"});
}

TEST_F(TankToolsTest, HelpAndUsage) {
    const ToolResult help = runTool("kegtap", {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("3  input/output error"), std::string::npos);
    EXPECT_EQ(runTool("kegtap", {}).status, 2);
    EXPECT_EQ(runTool("kegtap", {"unpack", "x.dsparty"}).status, 2);
    EXPECT_EQ(runTool("kegtap", {"list", (temp / "none.dsparty").string()}).status, 3);
    const ToolResult creatorHelp = runTool("tankcreator", {"--help"});
    EXPECT_EQ(creatorHelp.status, 0);
    EXPECT_NE(creatorHelp.out.find("-source FOLDER -out FILE"), std::string::npos);
}

TEST_F(TankToolsTest, ListShowsPathSizeFormAndTime) {
    const fs::path pumpkin = realDataPath("tank/Pumpkin.dsmap");
    if (pumpkin.empty())
        return;
    const ToolResult listed = runTool("kegtap", {"list", pumpkin});
    ASSERT_EQ(listed.status, 0);
    EXPECT_NE(listed.out.find(
                  "        1973  zlib/16384    2022-10-31 17:16:06  "
                  "world/maps/minibits-demo-pumpkin/regions/demo/terrain_nodes/siege_nodes.lnc"),
              std::string::npos)
        << listed.out;
    EXPECT_NE(listed.out.find("world/maps/minibits-demo-pumpkin/regions/demo/objects/"),
              std::string::npos);
}

TEST_F(TankToolsTest, ExtractRefusesALinkInPlaceOfAFolder) {
    makeSampleFolder(temp / "Ulf");
    const fs::path tank = temp / "Ulf.dsparty";
    ASSERT_EQ(runTool("tankcreator", {"-source", temp / "Ulf", "-out", tank}).status, 0);
    fs::create_directory(temp / "out");
    fs::create_directory(temp / "elsewhere");
    fs::create_directory_symlink(temp / "elsewhere", temp / "out/world");
    const ToolResult r = runTool("kegtap", {"extract", tank, "-d", temp / "out"});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(fs::is_empty(temp / "elsewhere"));
}

// The file is read a chunk at a time: a 600 MB file packs within 128 MB of address space.
TEST_F(TankToolsTest, TankCreatorMemoryFollowsTheChunkNotTheFile) {
    if (AddressSanitized)
        GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
    fs::create_directory(temp / "big");
    writeBytes(temp / "big/zeros.bin", {});
    fs::resize_file(temp / "big/zeros.bin", 600000000); // sparse: no disk space to speak of
    const std::string program = std::string(std::getenv("THALREX_PROGRAM_DIR")) + "/tankcreator";
    const std::string source = (temp / "big").string(), out = (temp / "big.dsres").string();
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{128u << 20, 128u << 20};
        setrlimit(RLIMIT_AS, &limit);
        execl(program.c_str(), program.c_str(), "-source", source.c_str(), "-out", out.c_str(),
              "-format", "lzo", static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const ToolResult listed = runTool("kegtap", {"list", out});
    EXPECT_NE(listed.out.find("600000000  lzo/16384"), std::string::npos) << listed.out;
}

} // namespace
