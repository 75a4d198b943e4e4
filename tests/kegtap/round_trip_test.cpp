// SPDX-License-Identifier: GPL-3.0-or-later
// Tank files written by the test writer come back out of the real library byte for byte.
#include "tests/kegtap/support/extraction_fixture.h"

using tankwriter::Format;
using tankwriter::Node;
using tankwriter::Storage;

namespace {

struct ContentForm {
    const char *name;
    Storage storage;
    bool incompressible;
    bool expectStoredChunk;
};

const ContentForm contentForms[] = {
    {"raw", {Format::Raw, 0, 0}, false, false},
    {"zlib_block", {Format::Zlib, 0, 0}, false, false},
    {"zlib_chunks", {Format::Zlib, 16384, 0}, false, false},
    {"zlib_chunks_extra", {Format::Zlib, 16384, 3}, false, false},
    {"zlib_stored_chunks", {Format::Zlib, 16384, 0}, true, true},
    {"lzo_block", {Format::Lzo, 0, 0}, false, false},
    {"lzo_chunks", {Format::Lzo, 4096, 0}, false, false},
    {"lzo_chunks_extra", {Format::Lzo, 4096, 100}, false, false},
    {"lzo_stored_chunks", {Format::Lzo, 4096, 0}, true, true},
};

const size_t contentSizes[] = {0, 1, 97, 4096, 16384 * 2, 100000};

class ContentFormTest : public ExtractionTest,
                        public ::testing::WithParamInterface<std::tuple<ContentForm, size_t>> {};

TEST_P(ContentFormTest, ExtractsTheSameBytesAndTime) {
    const auto &[form, size] = GetParam();
    const std::vector<uint8_t> content =
        form.incompressible ? randomBytes(size, 7) : compressibleBytes(size, 7);
    const uint64_t time = tankwriter::fileTimeFromUnix(1600000000, 123456700);
    tankwriter::TankLayout layout;
    const auto tank = tankwriter::buildTank(
        Node::folder("", {Node::file("Party.gas", content, form.storage, time)}), {}, &layout);
    if (form.expectStoredChunk && size > 0) {
        const auto &chunk = layout.files.at(0).chunks.at(0);
        ASSERT_EQ(chunk.compressedSize, chunk.uncompressedSize);
    }
    if (form.storage.extraBytes > 0 && size > form.storage.extraBytes) {
        ASSERT_EQ(layout.files.at(0).chunks.at(0).extraBytes, form.storage.extraBytes);
    }

    answerWarnings(false);
    ASSERT_TRUE(extract(tank)) << k.errorMessage();
    EXPECT_EQ(readBytes(out / "Party.gas"), content);
    EXPECT_EQ(lastWriteFileTime(out / "Party.gas"), time);
    EXPECT_TRUE(prompts.empty());
}

INSTANTIATE_TEST_SUITE_P(AllForms, ContentFormTest,
                         ::testing::Combine(::testing::ValuesIn(contentForms),
                                            ::testing::ValuesIn(contentSizes)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::to_string(std::get<1>(info.param));
                         });

Node sampleTree() {
    const Storage lzo{Format::Lzo, 8192, 0};
    return Node::folder(
        "", {Node::file("Info.gas", compressibleBytes(3000, 1)),
             Node::folder(
                 "world",
                 {Node::folder("maps", {Node::file("main.gas", compressibleBytes(40000, 2), lzo),
                                        Node::folder("empty", {})}),
                  Node::file("empty.gas", {}),
                  Node::file("Portrait-0.bmp", randomBytes(5000, 3), {Format::Raw, 0, 0})}),
             Node::folder("objects", {}), Node::file("Party.gas", compressibleBytes(70000, 4))});
}

using RoundTripTest = ExtractionTest;

TEST_F(RoundTripTest, RecreatesNestedAndEmptyFolders) {
    ASSERT_TRUE(extract(tankwriter::buildTank(sampleTree()))) << k.errorMessage();
    const auto tree = listTree(out);
    std::vector<std::string> paths;
    for (const auto &[path, content] : tree)
        paths.push_back(path);
    EXPECT_EQ(paths,
              (std::vector<std::string>{"Info.gas", "Party.gas", "objects", "world",
                                        "world/Portrait-0.bmp", "world/empty.gas", "world/maps",
                                        "world/maps/empty", "world/maps/main.gas"}));
    EXPECT_EQ(readBytes(out / "world/maps/main.gas"), compressibleBytes(40000, 2));
    EXPECT_EQ(fs::file_size(out / "world/empty.gas"), 0u);
    EXPECT_TRUE(fs::is_empty(out / "world/maps/empty"));
}

TEST_F(RoundTripTest, AppliesStoredTimesIncludingOnesBefore1970) {
    const uint64_t modern = tankwriter::fileTimeFromUnix(1678000000, 500000000);
    const uint64_t old = tankwriter::fileTimeFromUnix(-86400 * 365, 250000000);
    const auto tank =
        tankwriter::buildTank(Node::folder("", {Node::file("a.gas", textBytes("a"), {}, modern),
                                                Node::file("b.gas", textBytes("b"), {}, old)}));
    ASSERT_TRUE(extract(tank)) << k.errorMessage();
    EXPECT_EQ(lastWriteFileTime(out / "a.gas"), modern);
    EXPECT_EQ(lastWriteFileTime(out / "b.gas"), old);
}

TEST_F(RoundTripTest, ExtractingTwiceReplacesFilesAndAcceptsFolders) {
    const auto tank = tankwriter::buildTank(sampleTree());
    ASSERT_TRUE(extract(tank)) << k.errorMessage();
    const auto first = listTree(out);
    writeBytes(out / "Info.gas", compressibleBytes(90000, 9)); // longer than the stored file
    ASSERT_TRUE(extract(tank)) << k.errorMessage();
    EXPECT_EQ(listTree(out), first);
}

TEST_F(RoundTripTest, EmptyFileWithZeroChecksumRaisesNoWarning) {
    answerWarnings(false);
    const auto tank = tankwriter::buildTank(Node::folder("", {Node::file("command.gas", {})}));
    ASSERT_TRUE(extract(tank)) << k.errorMessage();
    EXPECT_TRUE(fs::exists(out / "command.gas"));
    EXPECT_TRUE(prompts.empty());
}

// The first file's stored checksum is made wrong; the index checksum is made right again.
std::vector<uint8_t> tankWithWrongFileCrc() {
    tankwriter::TankLayout layout;
    auto tank =
        tankwriter::buildTank(Node::folder("", {Node::file("Info.gas", compressibleBytes(500)),
                                                Node::file("Party.gas", compressibleBytes(600))}),
                              {}, &layout);
    const uint64_t crcField = layout.indexOffset + layout.files[0].entryOffset + 12;
    tankwriter::putU32(tank, crcField, tankwriter::getU32(tank, crcField) ^ 1);
    tankwriter::refreshIndexCrc(tank);
    return tank;
}

TEST_F(RoundTripTest, ChecksumWarningAnsweredYesFinishesWithTheErrorKept) {
    answerWarnings(true);
    EXPECT_TRUE(extract(tankWithWrongFileCrc()));
    expectError(KEGTAP_ERR_CRC, "Extracted file has different CRC32.");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].text, "Extracted file Info.gas CRC32 does not tally!\nContinue?");
    EXPECT_EQ(prompts[0].caption, "Warning");
    EXPECT_EQ(readBytes(out / "Info.gas"), compressibleBytes(500));
    EXPECT_TRUE(fs::exists(out / "Party.gas"));
}

TEST_F(RoundTripTest, ChecksumWarningAnsweredNoStopsAndKeepsTheCompleteFile) {
    answerWarnings(false);
    EXPECT_FALSE(extract(tankWithWrongFileCrc()));
    expectError(KEGTAP_ERR_CRC, "Extracted file has different CRC32.");
    EXPECT_EQ(prompts.size(), 1u);
    EXPECT_EQ(readBytes(out / "Info.gas"), compressibleBytes(500));
    EXPECT_FALSE(fs::exists(out / "Party.gas"));
}

TEST_F(RoundTripTest, WithoutAHandlerTheWarningIsAnsweredNo) {
    EXPECT_FALSE(extract(tankWithWrongFileCrc()));
    EXPECT_FALSE(fs::exists(out / "Party.gas"));
}

TEST_F(RoundTripTest, UnknownFormatNumbersDecodeAsLzo) {
    tankwriter::TankLayout layout;
    auto tank = tankwriter::buildTank(
        Node::folder("", {Node::file("m.gas", compressibleBytes(9000), {Format::Lzo, 4096, 0})}),
        {}, &layout);
    tankwriter::putU16(tank, layout.indexOffset + layout.files[0].entryOffset + 24, 7);
    tankwriter::refreshIndexCrc(tank);
    ASSERT_TRUE(extract(tank)) << k.errorMessage();
    EXPECT_EQ(readBytes(out / "m.gas"), compressibleBytes(9000));
}

} // namespace
