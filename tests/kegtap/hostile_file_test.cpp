// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile and damaged Tank files: the library refuses them without reading or writing out of
// bounds, and a damaged index before anything is written.
#include "tests/kegtap/support/extraction_fixture.h"

#include <functional>

using tankwriter::Format;
using tankwriter::Node;
using tankwriter::Storage;
using tankwriter::TankLayout;

namespace {

using Bytes = std::vector<uint8_t>;

class HostileFileTest : public ExtractionTest {
protected:
    // Extraction fails as damaged, and nothing was written.
    void expectDamaged(const Bytes &tank) {
        EXPECT_FALSE(extract(tank));
        expectError(KEGTAP_ERR_DAMAGED, "Tank file is damaged.");
        EXPECT_TRUE(fs::is_empty(out));
    }

    void expectUnsafe(const Node &tree) {
        EXPECT_FALSE(extract(tankwriter::buildTank(tree)));
        expectError(KEGTAP_ERR_UNSAFE_NAME, "Unsafe file name in tank file.");
        EXPECT_EQ(std::vector<std::string>{"out"}, [&] {
            std::vector<std::string> names; // nothing appeared beside the destination folder
            for (const auto &e : fs::directory_iterator(temp.path()))
                if (e.path() != tankPath)
                    names.push_back(e.path().filename().string());
            return names;
        }());
        EXPECT_TRUE(fs::is_empty(out));
    }
};

TEST_F(HostileFileTest, FileNamesThatAreNotOnePathComponent) {
    for (const std::string &name : std::vector<std::string>{
             ".", "..", "../escape.gas", "a/b.gas", "/tmp/abs.gas", std::string("x\0y.gas", 7)}) {
        SCOPED_TRACE(name);
        expectUnsafe(Node::folder("", {Node::file(name, textBytes("payload"))}));
    }
}

TEST_F(HostileFileTest, FolderNamesThatAreNotOnePathComponent) {
    for (const std::string &name :
         std::vector<std::string>{".", "..", "../up", "a/b", std::string("d\0", 2)}) {
        SCOPED_TRACE(name);
        expectUnsafe(Node::folder("", {Node::folder(name, {Node::file("x.gas", textBytes("1"))})}));
    }
}

struct Damage {
    const char *name;
    std::function<void(Bytes &, const TankLayout &)> apply;
};

uint64_t dirEntry(const TankLayout &l, const std::string &path) {
    for (const auto &d : l.directories)
        if (d.path == path)
            return l.indexOffset + d.entryOffset;
    throw std::runtime_error("no folder " + path);
}

uint64_t childTable(const TankLayout &l, const std::string &path) {
    for (const auto &d : l.directories)
        if (d.path == path)
            return l.indexOffset + d.childTableOffset;
    throw std::runtime_error("no folder " + path);
}

uint64_t chunk(const TankLayout &l, size_t file, size_t index, size_t field) {
    return l.indexOffset + l.files[file].compressedHeaderOffset + 8 + 16 * index + field;
}

void add(Bytes &tank, uint64_t at, int64_t delta) {
    tankwriter::putU32(tank, at, static_cast<uint32_t>(tankwriter::getU32(tank, at) + delta));
}

// root: a.gas, maps/{inner/{b.gas}}, z.gas (chunked LZO, 3 chunks of 4096, extra bytes 10)
Node damageTree() {
    return Node::folder(
        "", {Node::file("a.gas", textBytes("first")),
             Node::folder("maps", {Node::folder("inner", {Node::file("b.gas", textBytes("bee"))})}),
             Node::file("z.gas", compressibleBytes(10000), Storage{Format::Lzo, 4096, 10})});
}

const Damage damages[] = {
    {"RootOffsetOutsideIndex",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, l.indexOffset + 4, l.indexSize - 8);
     }},
    {"RootOffsetFarOutside",
     [](Bytes &t, const TankLayout &l) { tankwriter::putU32(t, l.indexOffset + 4, 0xFFFFFFF0u); }},
    {"ChildOffsetOutsideIndex",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, childTable(l, "") + 4, l.indexSize + 64);
     }},
    {"ChildTableOutsideIndex",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, dirEntry(l, "maps") + 4, 0x40000000u);
     }},
    {"ChunkTableOutsideIndex",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, l.indexOffset + l.files.back().compressedHeaderOffset + 4, 1);
     }},
    {"FolderLoopsBackToItsParent",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, childTable(l, "maps"),
                            static_cast<uint32_t>(dirEntry(l, "maps") - l.indexOffset));
     }},
    {"FolderLoopsBackToTheRoot",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, childTable(l, "maps/inner"),
                            static_cast<uint32_t>(dirEntry(l, "") - l.indexOffset));
     }},
    {"FolderReachedTwice",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, childTable(l, "") + 8, tankwriter::getU32(t, childTable(l, "") + 4));
     }},
    {"ChunkLargerThanChunkSize",
     [](Bytes &t, const TankLayout &l) {
         add(t, chunk(l, 2, 0, 0), 1);
         add(t, chunk(l, 2, 2, 0), -1);
     }},
    {"ExtraBytesAboveChunk",
     [](Bytes &t, const TankLayout &l) { tankwriter::putU32(t, chunk(l, 2, 2, 8), 5000); }},
    {"ChunkOverflowsInputBuffer",
     [](Bytes &t, const TankLayout &l) { tankwriter::putU32(t, chunk(l, 2, 1, 4), 4096 + 11); }},
    {"ChunksDoNotAddUpToSize",
     [](Bytes &t, const TankLayout &l) { add(t, chunk(l, 2, 2, 0), -1); }},
    // One stored file counted twice: each further name would cost a whole decode.
    {"FileNamedTwiceInOneFolder",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, childTable(l, "") + 8, l.files[0].entryOffset);
     }},
    {"FileNamedTwiceInTwoFolders",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, childTable(l, "maps/inner"), l.files[0].entryOffset);
     }},
    // Stored bytes decoded twice would let a small Tank write without bound.
    {"FilesShareStoredBytes",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, l.indexOffset + l.files[0].entryOffset + 8,
                            static_cast<uint32_t>(l.files[2].storedPosition - l.dataOffset + 4));
     }},
    {"ChunksShareStoredBytes",
     [](Bytes &t, const TankLayout &l) {
         tankwriter::putU32(t, chunk(l, 2, 1, 12), tankwriter::getU32(t, chunk(l, 2, 0, 12)));
     }},
};

class DamagedIndexTest : public HostileFileTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedIndexTest, FailsAsDamagedBeforeWritingAnything) {
    TankLayout layout;
    Bytes tank = tankwriter::buildTank(damageTree(), {}, &layout);
    GetParam().apply(tank, layout);
    tankwriter::refreshIndexCrc(tank);
    expectDamaged(tank);
}

INSTANTIATE_TEST_SUITE_P(Index, DamagedIndexTest, ::testing::ValuesIn(damages),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(HostileFileTest, UndamagedTreeOfTheDamageCasesExtracts) {
    ASSERT_TRUE(extract(tankwriter::buildTank(damageTree()))) << k.errorMessage();
    EXPECT_EQ(readBytes(out / "z.gas"), compressibleBytes(10000));
}

TEST_F(HostileFileTest, TreeDeeperThanTheLimit) {
    Node deepest = Node::folder("d", {Node::file("x.gas", textBytes("1"))});
    for (int i = 0; i < 300; ++i)
        deepest = Node::folder("d", {std::move(deepest)});
    EXPECT_FALSE(extract(tankwriter::buildTank(Node::folder("", {std::move(deepest)}))));
    expectError(KEGTAP_ERR_DAMAGED, "Tank file is damaged.");
}

TEST_F(HostileFileTest, FileShorterThanItsHeader) {
    for (const size_t length : {0u, 1u, 783u}) {
        EXPECT_FALSE(extract(Bytes(length, 0)));
        expectError(KEGTAP_ERR_DAMAGED, "Tank file is damaged.");
    }
}

TEST_F(HostileFileTest, IndexTooShortForItsRoot) {
    TankLayout layout;
    Bytes tank = tankwriter::buildTank(damageTree(), {}, &layout);
    tankwriter::putU32(tank, 20, 6);
    tankwriter::refreshIndexCrc(tank);
    expectDamaged(tank);
}

TEST_F(HostileFileTest, SymbolicLinkInPlaceOfAFileIsNotFollowed) {
    writeBytes(temp / "target", textBytes("keep"));
    fs::create_symlink(temp / "target", out / "a.gas");
    EXPECT_FALSE(extract(tankwriter::buildTank(damageTree())));
    expectError(ELOOP, "Cannot create extracted file.");
    EXPECT_EQ(readBytes(temp / "target"), textBytes("keep"));
}

TEST_F(HostileFileTest, SymbolicLinkInPlaceOfAFolderIsNotFollowed) {
    fs::create_directory(temp / "elsewhere");
    fs::create_directory_symlink(temp / "elsewhere", out / "maps");
    EXPECT_FALSE(extract(tankwriter::buildTank(damageTree())));
    expectError(ENOTDIR, "Cannot create directory.");
    EXPECT_TRUE(fs::is_empty(temp / "elsewhere"));
}

} // namespace
