// SPDX-License-Identifier: GPL-3.0-or-later
// Each failure a Tank file can cause ends the extraction with its own code and message, and
// leaves no partial output of the failing file.
#include "tests/kegtap/support/extraction_fixture.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>

using tankwriter::Format;
using tankwriter::Node;
using tankwriter::Storage;
using tankwriter::TankLayout;

namespace {

using Bytes = std::vector<uint8_t>;

// One small Tank: a folder and then the file that each case damages.
struct Sample {
    Bytes tank;
    TankLayout layout;

    explicit Sample(Node file, std::string folderName = "maps") {
        tank = tankwriter::buildTank(
            Node::folder("", {Node::folder(std::move(folderName), {}), std::move(file)}), {},
            &layout);
    }
    uint64_t fileField(size_t field) const {
        return layout.indexOffset + layout.files[0].entryOffset + field;
    }
    uint64_t chunkField(size_t chunk, size_t field) const {
        return layout.indexOffset + layout.files[0].compressedHeaderOffset + 8 + 16 * chunk + field;
    }
    // The damaged tank with its index checksum made right again.
    Bytes sealed() {
        tankwriter::refreshIndexCrc(tank);
        return tank;
    }
    void add(uint64_t position, int32_t delta) {
        tankwriter::putU32(tank, position,
                           tankwriter::getU32(tank, position) + static_cast<uint32_t>(delta));
    }
};

struct ErrorCase {
    const char *name;
    std::function<Bytes()> tank;
    uint32_t code;
    const char *message;
};

Node gas(Storage storage = {}, size_t size = 3000) {
    return Node::file("Info.gas", compressibleBytes(size), storage);
}

const ErrorCase errorCases[] = {
    {"IndexChecksum",
     [] {
         Sample s(gas());
         s.tank[s.layout.indexOffset + s.layout.indexSize - 1] ^= 0x40; // padding of the last entry
         return s.tank;
     },
     KEGTAP_ERR_CRC, "Index of tank file has wrong CRC32."},
    {"NoDirectory",
     [] {
         Sample s(gas());
         tankwriter::putU32(s.tank, s.layout.indexOffset, 0);
         return s.sealed();
     },
     KEGTAP_ERR_NO_DIRECTORY, "Tank file error. Total directory should be at least 1."},
    {"EmptyRoot", [] { return tankwriter::buildTank(Node::folder("", {})); }, KEGTAP_ERR_EMPTY_ROOT,
     "No child in root directory."},
    {"EmptyFileName", [] { return Sample(Node::file("", textBytes("x"))).tank; },
     KEGTAP_ERR_NAME_LENGTH, "Invalid filename length."},
    {"FileName261", [] { return Sample(Node::file(std::string(261, 'f'), textBytes("x"))).tank; },
     KEGTAP_ERR_NAME_LENGTH, "Invalid filename length."},
    {"FolderName261", [] { return Sample(gas(), std::string(261, 'd')).tank; },
     KEGTAP_ERR_NAME_LENGTH, "Invalid filename length."},
    {"ZlibStreamBroken",
     [] {
         Sample s(gas());
         s.tank[s.layout.files[0].storedPosition] = 0; // the zlib header byte
         return s.tank;
     },
     KEGTAP_ERR_UNCOMPRESS, "Uncompress error."},
    {"LzoStreamBroken",
     [] {
         Sample s(gas({Format::Lzo, 16384, 0}));
         s.add(s.chunkField(0, 4), -1); // the end marker is cut off
         return s.sealed();
     },
     KEGTAP_ERR_UNCOMPRESS, "Uncompress error."},
    {"LzoInputNotConsumed",
     [] {
         Sample s(gas({Format::Lzo, 16384, 0}));
         s.add(s.chunkField(0, 4), 1);
         return s.sealed();
     },
     KEGTAP_ERR_UNCOMPRESS, "Uncompress error."},
    {"BlockDecodesLongerThanSize",
     [] {
         Sample s(gas({Format::Zlib, 0, 0}));
         s.add(s.fileField(4), -1);
         return s.sealed();
     },
     KEGTAP_ERR_UNCOMPRESS, "Uncompress error."},
    {"BlockDecodesShorterThanSize",
     [] {
         Sample s(gas({Format::Lzo, 0, 0}));
         s.add(s.fileField(4), 1);
         return s.sealed();
     },
     KEGTAP_ERR_SIZE_MISMATCH, "Uncompress size does not tally."},
    {"ChunkDecodesShorterThanExpected",
     [] {
         Sample s(gas({Format::Zlib, 16384, 0}));
         s.add(s.chunkField(0, 0), 1);
         s.add(s.fileField(4), 1);
         return s.sealed();
     },
     KEGTAP_ERR_SIZE_MISMATCH, "Uncompress size does not tally."},
    {"RawDataRunsPastTheEnd",
     [] {
         Sample s(gas({Format::Raw, 0, 0}, 100000));
         const auto fromEnd = static_cast<uint32_t>(s.tank.size() - s.layout.dataOffset - 5000);
         tankwriter::putU32(s.tank, s.fileField(8), fromEnd);
         return s.sealed();
     },
     KEGTAP_ERR_EARLY_EOF, "EOF before finish reading bytes."},
    {"ChunkBeyondTheEnd",
     [] {
         Sample s(gas());
         s.add(s.chunkField(0, 12), 1 << 20);
         return s.sealed();
     },
     0, "Cannot read all desire bytes from file."},
    {"IndexCutShort",
     [] {
         Sample s(gas());
         s.tank.resize(s.tank.size() - 10);
         return s.tank;
     },
     0, "Failure to read index."},
};

class ErrorCodeTest : public ExtractionTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ErrorCodeTest, FailsWithItsCodeAndMessageAndLeavesNoPartialFile) {
    const ErrorCase &c = GetParam();
    EXPECT_FALSE(extract(c.tank()));
    expectError(c.code, c.message);
    EXPECT_FALSE(fs::exists(out / "Info.gas"));
}

INSTANTIATE_TEST_SUITE_P(Tank, ErrorCodeTest, ::testing::ValuesIn(errorCases),
                         [](const auto &info) { return std::string(info.param.name); });

using ExtractionFailureTest = ExtractionTest;

TEST_F(ExtractionFailureTest, WrongIndexChecksumCreatesNothing) {
    Sample s(gas());
    s.tank[s.layout.indexOffset + 4] ^= 1;
    EXPECT_FALSE(extract(s.tank));
    EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(ExtractionFailureTest, MissingTankFile) {
    EXPECT_FALSE(extractFile(temp / "none.dsparty"));
    expectError(ENOENT, "Cannot open Tank file.");
}

TEST_F(ExtractionFailureTest, FolderAsTankFile) {
    EXPECT_FALSE(extractFile(out));
    expectError(EISDIR, "Cannot open Tank file.");
}

TEST_F(ExtractionFailureTest, MissingDestinationFailsTheFirstChild) {
    const auto fileFirst = tankwriter::buildTank(Node::folder("", {gas()}));
    writeBytes(tankPath, fileFirst);
    EXPECT_FALSE(k.ExtractFilesFromTankFile(tankPath.c_str(), (temp / "missing").c_str()));
    expectError(ENOENT, "Cannot create extracted file.");

    EXPECT_FALSE(extract(Sample(gas()).tank) &&
                 k.ExtractFilesFromTankFile(tankPath.c_str(), (temp / "missing").c_str()));
    expectError(ENOENT, "Cannot create directory.");
}

TEST_F(ExtractionFailureTest, FilesBeforeTheFailingOneStay) {
    tankwriter::TankLayout layout;
    auto tank =
        tankwriter::buildTank(Node::folder("", {Node::file("first.gas", textBytes("one")), gas(),
                                                Node::file("last.gas", textBytes("3"))}),
                              {}, &layout);
    tank[layout.files[1].storedPosition] = 0;
    EXPECT_FALSE(extract(tank));
    EXPECT_EQ(readBytes(out / "first.gas"), textBytes("one"));
    EXPECT_FALSE(fs::exists(out / "Info.gas"));
    EXPECT_FALSE(fs::exists(out / "last.gas"));
}

TEST_F(ExtractionFailureTest, WriteFailureDeletesThePartialFile) {
    writeBytes(tankPath, Sample(gas({Format::Zlib, 1024, 0}, 50000)).tank);
    // Files may not grow beyond 4 KiB while the extraction runs.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool ok = extractFile(tankPath);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(ok);
    expectError(EFBIG, "File write error.");
    EXPECT_FALSE(fs::exists(out / "Info.gas"));
    EXPECT_TRUE(fs::is_directory(out / "maps"));
}

} // namespace
