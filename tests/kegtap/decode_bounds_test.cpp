// SPDX-License-Identifier: GPL-3.0-or-later
// The zlib decoder against zlib's own uncompress on the streams where decoders tend to differ,
// and the memory a hostile chunk can demand, measured in a child process.
#include "tests/kegtap/support/child_extraction.h"
#include "tests/kegtap/support/extraction_fixture.h"

#include <functional>
#include <zlib.h>

using tankwriter::Format;
using tankwriter::Node;
using tankwriter::Storage;
using tankwriter::TankLayout;

namespace {

using Bytes = std::vector<uint8_t>;

// A Tank whose one file is a single chunk holding stream as its coded bytes, declared to decode
// to declaredSize bytes with the given checksum.
Bytes tankWithCodedChunk(const Bytes &stream, uint32_t declaredSize, uint32_t crc,
                         uint32_t chunkSize) {
    // Extra bytes covering the whole chunk keep the writer from coding it: it is stored as given.
    TankLayout layout;
    Bytes tank = tankwriter::buildTank(
        Node::folder("", {Node::file("x.bin", stream,
                                     Storage{Format::Zlib, static_cast<uint32_t>(stream.size()),
                                             UINT32_MAX})}),
        {}, &layout);
    const tankwriter::WrittenFile &file = layout.files.at(0);
    const uint64_t entry = layout.indexOffset + file.entryOffset;
    const uint64_t compressedHeader = layout.indexOffset + file.compressedHeaderOffset;
    tankwriter::putU32(tank, entry + 4, declaredSize);
    tankwriter::putU32(tank, entry + 12, crc);
    tankwriter::putU32(tank, compressedHeader + 4, chunkSize);
    tankwriter::putU32(tank, compressedHeader + 8, declaredSize);
    tankwriter::refreshIndexCrc(tank);
    return tank;
}

Bytes zlibStream(const Bytes &content, const Bytes &dictionary = {}) {
    z_stream z{};
    deflateInit(&z, Z_DEFAULT_COMPRESSION);
    if (!dictionary.empty())
        deflateSetDictionary(&z, dictionary.data(), static_cast<uInt>(dictionary.size()));
    Bytes out(deflateBound(&z, content.size()));
    z.next_in = const_cast<uint8_t *>(content.data());
    z.avail_in = static_cast<uInt>(content.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// The zlib stream of length zero bytes, made without holding them.
Bytes zlibOfZeros(uint64_t length) {
    z_stream z{};
    deflateInit(&z, Z_DEFAULT_COMPRESSION);
    const Bytes zeros(1u << 20, 0);
    Bytes out;
    uint8_t buffer[1u << 16];
    for (uint64_t left = length;;) {
        const size_t now = std::min<uint64_t>(left, zeros.size());
        z.next_in = const_cast<uint8_t *>(zeros.data());
        z.avail_in = static_cast<uInt>(now);
        left -= now;
        int result;
        do {
            z.next_out = buffer;
            z.avail_out = sizeof buffer;
            result = deflate(&z, left == 0 ? Z_FINISH : Z_NO_FLUSH);
            out.insert(out.end(), buffer, buffer + (sizeof buffer - z.avail_out));
        } while (z.avail_out == 0);
        if (result == Z_STREAM_END)
            break;
    }
    deflateEnd(&z);
    return out;
}

const Bytes sample = compressibleBytes(3000);

struct StreamCase {
    const char *name;
    std::function<Bytes()> stream;
    uint32_t declaredSize;
};

const StreamCase streamCases[] = {
    {"PresetDictionary", [] { return zlibStream(sample, compressibleBytes(500, 7)); }, 3000},
    {"TrailingBytesAfterAdler32",
     [] {
         Bytes s = zlibStream(sample);
         s.insert(s.end(), {'T', 'A', 'I', 'L'});
         return s;
     },
     3000},
    {"WrongAdler32",
     [] {
         Bytes s = zlibStream(sample);
         s.back() ^= 0x01;
         return s;
     },
     3000},
    {"OneByteMoreThanDeclared", [] { return zlibStream(sample); }, 2999},
};

class ZlibAgreementTest : public ExtractionTest,
                          public ::testing::WithParamInterface<StreamCase> {};

// The extraction ends as uncompress into the chunk's declared room ends.
TEST_P(ZlibAgreementTest, ExtractionGivesWhatUncompressGives) {
    const Bytes stream = GetParam().stream();
    const uint32_t declared = GetParam().declaredSize;
    Bytes decoded(declared);
    uLongf produced = declared;
    const int result = uncompress(decoded.data(), &produced, stream.data(), stream.size());
    decoded.resize(produced);
    const auto crc = static_cast<uint32_t>(crc32_z(0, decoded.data(), decoded.size()));

    const auto chunkSize = std::max(declared, static_cast<uint32_t>(stream.size()));
    const bool extracted = extract(tankWithCodedChunk(stream, declared, crc, chunkSize));
    if (result != Z_OK) {
        EXPECT_FALSE(extracted);
        expectError(KEGTAP_ERR_UNCOMPRESS, "Uncompress error.");
    } else if (produced != declared) {
        EXPECT_FALSE(extracted);
        expectError(KEGTAP_ERR_SIZE_MISMATCH, "Uncompress size does not tally.");
    } else {
        ASSERT_TRUE(extracted) << k.errorMessage();
        EXPECT_EQ(readBytes(out / "x.bin"), decoded);
    }
}

INSTANTIATE_TEST_SUITE_P(Zlib, ZlibAgreementTest, ::testing::ValuesIn(streamCases),
                         [](const auto &info) { return std::string(info.param.name); });

constexpr long PeakLimitKiB = 64 * 1024;

class HostileMemoryTest : public ExtractionTest {};

TEST_F(HostileMemoryTest, HugeChunkSizeOnATenByteFile) {
    const Bytes content = textBytes("ten bytes!");
    TankLayout layout;
    Bytes tank = tankwriter::buildTank(
        Node::folder("", {Node::file("x.bin", content, Storage{Format::Zlib, 16384, 0})}), {},
        &layout);
    tankwriter::putU32(tank, layout.indexOffset + layout.files[0].compressedHeaderOffset + 4,
                       0xFFFFFFFFu);
    tankwriter::refreshIndexCrc(tank);
    writeBytes(tankPath, tank);

    const ChildOutcome outcome = extractInChild(k, [&] { return extractFile(tankPath); });
    EXPECT_TRUE(outcome.extracted) << outcome.message;
    EXPECT_LE(outcome.peakGrowthKiB, PeakLimitKiB);
    EXPECT_EQ(readBytes(out / "x.bin"), content);
}

TEST_F(HostileMemoryTest, ChunkDecodingFarBeyondItsDeclaredSize) {
    const Bytes bomb = zlibOfZeros(512ull << 20);
    writeBytes(tankPath, tankWithCodedChunk(bomb, 10, 0, 0xFFFFFFFFu));

    const ChildOutcome outcome = extractInChild(k, [&] { return extractFile(tankPath); });
    EXPECT_FALSE(outcome.extracted);
    EXPECT_EQ(outcome.code, KEGTAP_ERR_UNCOMPRESS);
    EXPECT_STREQ(outcome.message, "Uncompress error.");
    EXPECT_LE(outcome.peakGrowthKiB, PeakLimitKiB);
    EXPECT_FALSE(fs::exists(out / "x.bin"));
}

// A size that the stored bytes cannot yield fails before room for it is taken, whether the file
// is one block or one chunk; the child's address space would not hold the 4 GiB it declares.
TEST_F(HostileMemoryTest, DeclaredSizeBeyondWhatTheStoredBytesCanYield) {
    const Bytes content = textBytes("a few bytes that claim to be four gigabytes");
    const std::function<Bytes()> tanks[] = {
        [&] {
            TankLayout layout;
            Bytes tank = tankwriter::buildTank(
                Node::folder("", {Node::file("x.bin", content, Storage{Format::Zlib, 0, 0})}), {},
                &layout);
            tankwriter::putU32(tank, layout.indexOffset + layout.files.at(0).entryOffset + 4,
                               0xFFFFFFFFu);
            tankwriter::refreshIndexCrc(tank);
            return tank;
        },
        [&] { return tankWithCodedChunk(zlibStream(content), 0xFFFFFFFFu, 0, 0xFFFFFFFFu); },
    };
    for (const auto &tank : tanks) {
        writeBytes(tankPath, tank());
        const ChildOutcome outcome = extractInChild(k, [&] { return extractFile(tankPath); });
        EXPECT_FALSE(outcome.extracted);
        EXPECT_EQ(outcome.code, KEGTAP_ERR_SIZE_MISMATCH) << outcome.message;
        EXPECT_LE(outcome.peakGrowthKiB, PeakLimitKiB);
        EXPECT_FALSE(fs::exists(out / "x.bin"));
    }
}

} // namespace
