// SPDX-License-Identifier: GPL-3.0-or-later
// The single exports: error text buffers, name buffers, entry classification, child tables, and
// an extraction driven entry by entry the way another caller would drive it.
#include "tests/kegtap/support/extraction_fixture.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

extern "C" size_t kegtapHeaderSizeSeenByC(void);
extern "C" size_t kegtapFileEntryFixedSizeSeenByC(void);
extern "C" size_t kegtapDirEntryFixedSizeSeenByC(void);
extern "C" size_t kegtapChunkEntrySizeSeenByC(void);

using tankwriter::Node;

namespace {

using ApiTest = ExtractionTest;

void failToOpen() {
    kegtapLibrary().ExtractFilesFromTankFile("/nonexistent/x.dsparty", "/tmp");
}

TEST_F(ApiTest, ErrorStringCopiesOnlyWhenTheWholeMessageFits) {
    failToOpen();
    const std::string message = "Cannot open Tank file.";
    const uint32_t needed = static_cast<uint32_t>(message.size()) + 1;
    EXPECT_EQ(k.GetKvErrorString(nullptr, 0), needed);

    std::string buffer(40, 'x');
    EXPECT_EQ(k.GetKvErrorString(buffer.data(), needed - 1), needed);
    EXPECT_EQ(buffer, std::string(40, 'x'));

    EXPECT_EQ(k.GetKvErrorString(buffer.data(), needed), 0u);
    EXPECT_EQ(std::string(buffer.c_str()), message);
    EXPECT_EQ(k.GetKvErrorCode(), static_cast<uint32_t>(ENOENT));
}

std::vector<uint8_t> entryBytes(size_t nameField, uint16_t nameLength, const std::string &name) {
    std::vector<uint8_t> entry(nameField + 300, 0);
    tankwriter::putU16(entry, nameField - 2, nameLength);
    std::copy(name.begin(), name.end(), entry.begin() + static_cast<long>(nameField));
    return entry;
}

TEST_F(ApiTest, NameBuffersNeedRoomForTheTerminator) {
    failToOpen();
    char buffer[300];
    const auto file = entryBytes(30, 8, "Info.gas");
    EXPECT_FALSE(k.GetFileEntryName(file.data(), buffer, 8));
    ASSERT_TRUE(k.GetFileEntryName(file.data(), buffer, 9));
    EXPECT_EQ(std::string(buffer), "Info.gas");

    const auto dir = entryBytes(18, 5, "world");
    EXPECT_FALSE(k.GetDirEntryName(dir.data(), buffer, 5));
    ASSERT_TRUE(k.GetDirEntryName(dir.data(), buffer, 6));
    EXPECT_EQ(std::string(buffer), "world");

    const auto root = entryBytes(18, 0, "");
    buffer[0] = 'x';
    ASSERT_TRUE(k.GetDirEntryName(root.data(), buffer, 261));
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_FALSE(k.GetFileEntryName(entryBytes(30, 0, "").data(), buffer, 261));

    const std::string longName(261, 'n');
    EXPECT_FALSE(k.GetFileEntryName(entryBytes(30, 261, longName).data(), buffer, 300));
    EXPECT_FALSE(k.GetDirEntryName(entryBytes(18, 261, longName).data(), buffer, 300));
    EXPECT_TRUE(k.GetFileEntryName(entryBytes(30, 260, longName).data(), buffer, 300));

    // Name reading leaves the error state alone.
    expectError(ENOENT, "Cannot open Tank file.");
}

TEST_F(ApiTest, IsFileIsStrictlyAfterTheFileSetOffset) {
    std::vector<uint8_t> header(KEGTAP_HEADER_SIZE, 0);
    tankwriter::putU32(header, 12, 1000);
    tankwriter::putU32(header, 16, 1500);
    EXPECT_FALSE(k.IsFile(header.data(), 0));
    EXPECT_FALSE(k.IsFile(header.data(), 500));
    EXPECT_TRUE(k.IsFile(header.data(), 501));
    // The sum is taken in full, never wrapped around 32 bits.
    tankwriter::putU32(header, 12, 0xFFFFFF00u);
    tankwriter::putU32(header, 16, 0xFFFFFFF0u);
    EXPECT_TRUE(k.IsFile(header.data(), 0x100));
}

TEST_F(ApiTest, ChildTableIsAlignedFromTheIndexStart) {
    struct Case {
        uint16_t nameLength;
        size_t table;
    };
    for (const Case c : {Case{0, 28}, Case{1, 28}, Case{2, 32}, Case{5, 32}, Case{6, 36}}) {
        std::vector<uint8_t> index(48, 0);
        tankwriter::putU16(index, 8 + 16, c.nameLength);
        for (size_t at = 28; at < 48; at += 4)
            tankwriter::putU32(index, at, static_cast<uint32_t>(at * 10));
        EXPECT_EQ(k.GetChildOffsetOfDirEntry(index.data() + 8, 0, index.data()), c.table * 10)
            << "name length " << c.nameLength;
        EXPECT_EQ(k.GetChildOffsetOfDirEntry(index.data() + 8, 1, index.data()),
                  (c.table + 4) * 10);
    }
}

TEST_F(ApiTest, HeaderStructuresSeenFromCMatchTheFormat) {
    EXPECT_EQ(kegtapHeaderSizeSeenByC(), 784u);
    EXPECT_EQ(kegtapFileEntryFixedSizeSeenByC(), 30u);
    EXPECT_EQ(kegtapDirEntryFixedSizeSeenByC(), 18u);
    EXPECT_EQ(kegtapChunkEntrySizeSeenByC(), 16u);
    EXPECT_EQ(offsetof(TankHeader, IndexCrc32), 80u);
    EXPECT_EQ(offsetof(TankHeader, AuthorText), 704u);
}

// Walks the tree with the exports alone, as the library's documentation tells a caller to.
void extractByHand(const KegtapLibrary &k, int fd, const TankHeader &header,
                   const std::vector<uint8_t> &index, uint32_t dirOffset, const fs::path &folder) {
    const auto *dir = reinterpret_cast<const DirEntry *>(index.data() + dirOffset);
    for (uint32_t i = 0; i < dir->ChildCount; ++i) {
        const uint32_t child = k.GetChildOffsetOfDirEntry(dir, i, index.data());
        if (k.IsFile(&header, child)) {
            ASSERT_TRUE(k.ExtractFile(index.data() + child, fd, header.DataOffset, index.data(),
                                      folder.c_str()))
                << k.errorMessage();
        } else {
            char name[261];
            ASSERT_TRUE(k.GetDirEntryName(index.data() + child, name, sizeof name));
            fs::create_directory(folder / name);
            extractByHand(k, fd, header, index, child, folder / name);
        }
    }
}

TEST_F(ApiTest, ExtractionDrivenEntryByEntryMatchesTheWholeExtraction) {
    const auto tank = tankwriter::buildTank(
        Node::folder("", {Node::file("Info.gas", compressibleBytes(900)),
                          Node::folder("sub", {Node::file("a.bin", randomBytes(70000),
                                                          {tankwriter::Format::Lzo, 4096, 0})})}));
    writeBytes(tankPath, tank);
    const int fd = open(tankPath.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    TankHeader header{};
    ASSERT_TRUE(k.GetHeaderFromTankFile(fd, &header));
    std::vector<uint8_t> index(header.IndexSize);

    failToOpen();
    EXPECT_FALSE(k.GetIndexFromTankFile(fd, &header, index.data(), header.IndexSize - 1));
    expectError(ENOENT, "Supply buffer is too small.");

    ASSERT_TRUE(k.GetIndexFromTankFile(fd, &header, index.data(), header.IndexSize));
    ASSERT_EQ(crc32(0, index.data(), header.IndexSize), header.IndexCrc32);
    extractByHand(k, fd, header, index, reinterpret_cast<const uint32_t *>(index.data())[1], out);
    close(fd);

    TempFolder whole;
    ASSERT_TRUE(k.ExtractFilesFromTankFile(tankPath.c_str(), whole.path().c_str()));
    EXPECT_EQ(listTree(out), listTree(whole.path()));
}

TEST_F(ApiTest, ExtractFileWithoutFolderWritesIntoTheCurrentDirectory) {
    tankwriter::TankLayout layout;
    const auto tank = tankwriter::buildTank(
        Node::folder("", {Node::file("here.gas", textBytes("x=1;"))}), {}, &layout);
    writeBytes(tankPath, tank);
    const int fd = open(tankPath.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    const fs::path previous = fs::current_path();
    fs::current_path(out);
    const bool ok = k.ExtractFile(tank.data() + layout.indexOffset + layout.files[0].entryOffset,
                                  fd, layout.dataOffset, tank.data() + layout.indexOffset, nullptr);
    fs::current_path(previous);
    close(fd);
    EXPECT_TRUE(ok) << k.errorMessage();
    EXPECT_EQ(readBytes(out / "here.gas"), textBytes("x=1;"));
}

} // namespace
