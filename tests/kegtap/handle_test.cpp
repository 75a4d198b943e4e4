// SPDX-License-Identifier: GPL-3.0-or-later
// The handle interface: failures kept in the handle, entries and folders with UTF-8 paths, find,
// reads checked by CRC-32, extraction that never damages what it replaces, and handles used from
// two threads at once.
#include "kegtap/kegtap.h"
#include "tests/kegtap/support/tank_files.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <zlib.h>

extern "C" unsigned kegtapListAndExtractFromC(const char *tank, const char *dest, char *listing,
                                              size_t length);

using tankwriter::Format;
using tankwriter::Node;

namespace {

using Bytes = std::vector<uint8_t>;
using Handle = std::unique_ptr<kegtap, decltype(&kegtap_close)>;

Handle openTank(const fs::path &path) {
    return Handle(kegtap_open(path.c_str()), kegtap_close);
}

uint32_t crcOf(const Bytes &b) {
    return static_cast<uint32_t>(crc32_z(0, b.data(), b.size()));
}

const uint64_t infoTime = tankwriter::fileTimeFromUnix(1600000000, 500);
const std::string latinName = "Gr\xF6\xDF"
                              "e.txt"; // Größe.txt in Windows-1252

// Info.gas, World/{Größe.txt, maps/{}, m.lnc}
Node sampleTree() {
    return Node::folder(
        "", {Node::file("Info.gas", compressibleBytes(40000), {Format::Zlib, 16384, 0}, infoTime),
             Node::folder("World",
                          {Node::file(latinName, randomBytes(700), {Format::Raw, 0, 0}),
                           Node::folder("maps", {}),
                           Node::file("m.lnc", compressibleBytes(900, 2), {Format::Lzo, 0, 0})})});
}

class HandleTest : public ::testing::Test {
protected:
    fs::path write(const Bytes &tank, const std::string &name = "t.dsres") {
        writeBytes(temp / name, tank);
        return temp / name;
    }
    TempFolder temp;
};

TEST_F(HandleTest, FailureToOpenStaysInTheHandle) {
    const Bytes good = tankwriter::buildTank(sampleTree());
    Bytes badCrc = good;
    badCrc.back() ^= 1;
    struct Case {
        const char *name;
        fs::path path;
        uint32_t code;
        const char *message;
    };
    fs::create_directory(temp / "folder");
    const Case cases[] = {
        {"missing", temp / "none.dsres", ENOENT, "Cannot open Tank file."},
        {"folder", temp / "folder", EISDIR, "Cannot open Tank file."},
        {"short", write(Bytes(100, 0), "short"), KEGTAP_ERR_DAMAGED, "Tank file is damaged."},
        {"cut", write(Bytes(good.begin(), good.end() - 1), "cut"), KEGTAP_ERR_EARLY_EOF,
         "Failure to read index."},
        {"crc", write(badCrc, "crc"), KEGTAP_ERR_CRC, "Index of tank file has wrong CRC32."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Handle k = openTank(c.path);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(kegtap_errno(k.get()), c.code);
        EXPECT_STREQ(kegtap_error_string(k.get()), c.message);
        EXPECT_EQ(kegtap_entry_count(k.get()), 0u);
        kegtap_entry e{};
        EXPECT_EQ(kegtap_entry_at(k.get(), 0, &e), static_cast<int>(c.code));
        EXPECT_EQ(kegtap_extract(k.get(), temp.path().c_str(), 0), static_cast<int>(c.code));
    }
}

TEST_F(HandleTest, EntriesFoldersAndFind) {
    const Handle k = openTank(write(tankwriter::buildTank(sampleTree())));
    ASSERT_EQ(kegtap_errno(k.get()), 0u) << kegtap_error_string(k.get());
    ASSERT_EQ(kegtap_entry_count(k.get()), 3u);
    kegtap_entry e{};
    ASSERT_EQ(kegtap_entry_at(k.get(), 0, &e), 0);
    EXPECT_STREQ(e.path, "Info.gas");
    EXPECT_EQ(e.size, 40000u);
    EXPECT_LT(e.stored_size, 20000u);
    EXPECT_EQ(e.crc32, crcOf(compressibleBytes(40000)));
    EXPECT_EQ(e.mtime, 1600000000);
    EXPECT_EQ(e.format, KEGTAP_FORMAT_ZLIB);
    EXPECT_EQ(e.chunk_size, 16384u);
    ASSERT_EQ(kegtap_entry_at(k.get(), 1, &e), 0);
    EXPECT_STREQ(e.path, "World/Gr\xC3\xB6\xC3\x9F"
                         "e.txt");
    EXPECT_EQ(e.stored_size, 700u);
    EXPECT_EQ(e.format, KEGTAP_FORMAT_RAW);
    EXPECT_EQ(kegtap_entry_at(k.get(), 3, &e), EINVAL);

    ASSERT_EQ(kegtap_folder_count(k.get()), 2u);
    kegtap_folder f{};
    ASSERT_EQ(kegtap_folder_at(k.get(), 1, &f), 0);
    EXPECT_STREQ(f.path, "World/maps");
    EXPECT_EQ(f.files_before, 2u); // after Info.gas and Größe.txt, before m.lnc

    const std::pair<const char *, int> finds[] = {
        {"info.GAS", 0},
        {"WORLD/GR\xC3\x96\xC3\x9F"
         "E.TXT",
         1}, // Ö folds to ö
        {"world/m.lnc", 2},
        {"World", -1},
        {"World/maps", -1},
        {"smile\xF0\x9F\x98\x80", -1},
    };
    for (const auto &[path, expected] : finds) {
        size_t i = 99;
        const int result = kegtap_find(k.get(), path, &i);
        EXPECT_EQ(result, expected < 0 ? ENOENT : 0) << path;
        if (expected >= 0) {
            EXPECT_EQ(i, static_cast<size_t>(expected)) << path;
        }
    }
}

TEST_F(HandleTest, ReadChecksTheCrcAndLeavesTheBytes) {
    tankwriter::TankLayout layout;
    Bytes tank = tankwriter::buildTank(sampleTree(), {}, &layout);
    const uint64_t crcField = layout.indexOffset + layout.files[0].entryOffset + 12;
    tankwriter::putU32(tank, crcField, tankwriter::getU32(tank, crcField) ^ 1);
    tankwriter::refreshIndexCrc(tank);
    const Handle k = openTank(write(tank));

    Bytes buffer(40000);
    EXPECT_EQ(kegtap_read(k.get(), 0, buffer.data(), buffer.size()), KEGTAP_ERR_CRC);
    EXPECT_STREQ(kegtap_error_string(k.get()), "Extracted file has different CRC32.");
    EXPECT_EQ(buffer, compressibleBytes(40000));
    EXPECT_EQ(kegtap_read(k.get(), 0, buffer.data(), buffer.size() - 1), ENOBUFS);
    EXPECT_EQ(kegtap_read(k.get(), 2, buffer.data(), buffer.size()), 0);
    EXPECT_EQ(kegtap_errno(k.get()), 0u);

    // A sink that stops ends the read.
    size_t pieces = 0;
    const auto stopAtOnce = [](void *context, const void *, size_t) {
        ++*static_cast<size_t *>(context);
        return 1;
    };
    EXPECT_EQ(kegtap_read_into(k.get(), 0, stopAtOnce, &pieces), KEGTAP_ERR_CANCELLED);
    EXPECT_EQ(pieces, 1u);
}

TEST_F(HandleTest, DrivenFromC) {
    char listing[256];
    const fs::path tank = write(tankwriter::buildTank(sampleTree()));
    fs::create_directory(temp / "out");
    ASSERT_EQ(
        kegtapListAndExtractFromC(tank.c_str(), (temp / "out").c_str(), listing, sizeof listing),
        0u);
    EXPECT_STREQ(listing, "40000 Info.gas\n700 World/Gr\xC3\xB6\xC3\x9F"
                          "e.txt\n900 World/m.lnc\n");
    EXPECT_EQ(readBytes(temp / "out/World/Gr\xC3\xB6\xC3\x9F"
                               "e.txt"),
              randomBytes(700));
    EXPECT_TRUE(fs::is_directory(temp / "out/World/maps"));
}

// Each thread works on a handle of its own: nothing they use is shared.
TEST_F(HandleTest, TwoThreadsOnTwoHandles) {
    const auto tree = [](unsigned seed) {
        std::vector<Node> files;
        for (unsigned i = 0; i < 24; ++i)
            files.push_back(Node::file("f" + std::to_string(i), compressibleBytes(70000, seed + i),
                                       {i % 2 ? Format::Zlib : Format::Lzo, 8192, 0}));
        return Node::folder("", std::move(files));
    };
    const fs::path tanks[] = {write(tankwriter::buildTank(tree(100)), "a.dsres"),
                              write(tankwriter::buildTank(tree(200)), "b.dsres")};
    std::vector<int> failures(2, 0);
    const auto work = [&](size_t t) {
        const Handle k = openTank(tanks[t]);
        Bytes buffer(70000);
        for (int round = 0; round < 4; ++round)
            for (size_t i = 0; i < kegtap_entry_count(k.get()); ++i)
                if (kegtap_read(k.get(), i, buffer.data(), buffer.size()) != 0 ||
                    buffer != compressibleBytes(70000, static_cast<unsigned>(100 * (t + 1) + i)))
                    ++failures[t];
    };
    std::thread other(work, 1);
    work(0);
    other.join();
    EXPECT_EQ(failures, (std::vector<int>{0, 0}));
}

// What an extraction leaves at a file's final name, where the user had a file of their own.
struct ExtractCase {
    const char *name;
    std::function<void(Bytes &tank, const tankwriter::TankLayout &)> damage;
    unsigned flags;
    bool hardLink; // the user's file is a hard link to a file outside the destination
    bool cancel;   // the progress handler cancels
    int result;
    bool userFileKept; // else it holds the Tank's content
};

const Bytes userWork = textBytes("USER WORK");

void breakCrc(Bytes &tank, const tankwriter::TankLayout &l) {
    const uint64_t field = l.indexOffset + l.files[0].entryOffset + 12;
    tankwriter::putU32(tank, field, tankwriter::getU32(tank, field) ^ 1);
    tankwriter::refreshIndexCrc(tank);
}

const ExtractCase extractCases[] = {
    {"Replaces", nullptr, 0, false, false, 0, false},
    {"DecodingFails",
     [](Bytes &t, const tankwriter::TankLayout &l) { t[l.files[0].storedPosition] ^= 0xFF; }, 0,
     false, false, KEGTAP_ERR_UNCOMPRESS, true},
    {"CrcDiffers", breakCrc, 0, false, false, KEGTAP_ERR_CRC, true},
    {"CrcDiffersKept", breakCrc, KEGTAP_KEEP_BAD_CRC, false, false, KEGTAP_ERR_CRC, false},
    {"KeepExisting", nullptr, KEGTAP_KEEP_EXISTING, false, false, 0, true},
    {"Cancelled", nullptr, 0, false, true, KEGTAP_ERR_CANCELLED, true},
    {"HardLinkReplacedNotWrittenThrough", nullptr, 0, true, false, 0, false},
};

class ExtractionRuleTest : public HandleTest, public ::testing::WithParamInterface<ExtractCase> {};

TEST_P(ExtractionRuleTest, LeavesTheFinalNameWholeOrReplaced) {
    const ExtractCase &c = GetParam();
    const Bytes content = compressibleBytes(100000);
    tankwriter::TankLayout layout;
    Bytes tank = tankwriter::buildTank(
        Node::folder("", {Node::file("a", content, {Format::Zlib, 16384, 0})}), {}, &layout);
    if (c.damage)
        c.damage(tank, layout);
    const Handle k = openTank(write(tank));
    const fs::path out = temp / "out";
    fs::create_directory(out);
    writeBytes(temp / "outside", userWork);
    if (c.hardLink)
        fs::create_hard_link(temp / "outside", out / "a");
    else
        writeBytes(out / "a", userWork);
    if (c.cancel)
        kegtap_set_progress(
            k.get(), [](void *, uint64_t) { return 1; }, nullptr);

    EXPECT_EQ(kegtap_extract(k.get(), out.c_str(), c.flags), c.result)
        << kegtap_error_string(k.get());
    EXPECT_EQ(readBytes(out / "a"), c.userFileKept ? userWork : content);
    EXPECT_EQ(readBytes(temp / "outside"), userWork);
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 1)
        << "a temporary file was left";
}

INSTANTIATE_TEST_SUITE_P(Extract, ExtractionRuleTest, ::testing::ValuesIn(extractCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(HandleTest, TheTankBeingReadIsNeverWritten) {
    const Bytes tank =
        tankwriter::buildTank(Node::folder("", {Node::file("mod.dsres", textBytes("inner"))}));
    const fs::path path = write(tank, "mod.dsres");
    // Another name of the same file, elsewhere.
    fs::create_directory(temp / "linked");
    fs::create_hard_link(path, temp / "linked/mod.dsres");
    const Handle k = openTank(path);
    for (const fs::path &dest : {temp.path(), temp / "linked"}) {
        EXPECT_EQ(kegtap_extract(k.get(), dest.c_str(), 0), KEGTAP_ERR_SELF);
        EXPECT_STREQ(kegtap_error_string(k.get()), "File would overwrite the tank file.");
    }
    EXPECT_EQ(readBytes(path), tank);
}

} // namespace
