// SPDX-License-Identifier: GPL-3.0-or-later
// Stored data beyond 2 GiB (within the 4 GiB that 32-bit offsets reach) is found by 64-bit
// positions. The Tank file is sparse, so the test needs no disk space to speak of.
#include "tests/kegtap/support/extraction_fixture.h"

#include <fcntl.h>
#include <unistd.h>

using tankwriter::Format;
using tankwriter::Node;

namespace {

using LargeOffsetTest = ExtractionTest;

TEST_F(LargeOffsetTest, DataAndIndexBeyondTwoGibibytes) {
    const std::vector<uint8_t> content = compressibleBytes(200000, 5);
    tankwriter::TankLayout layout;
    std::vector<uint8_t> tank = tankwriter::buildTank(
        Node::folder("", {Node::file("far.gas", content, {Format::Zlib, 16384, 0}),
                          Node::file("raw.bin", randomBytes(100000), {Format::Raw, 0, 0})}),
        {}, &layout);

    // Everything after the header moves up by 3 GiB: only the header's absolute offsets change.
    const uint32_t shift = 3u << 30;
    for (const size_t field : {12u, 16u, 24u})
        tankwriter::putU32(tank, field, tankwriter::getU32(tank, field) + shift);
    const int fd = open(tankPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const size_t rest = tank.size() - KEGTAP_HEADER_SIZE;
    const bool written = pwrite(fd, tank.data(), KEGTAP_HEADER_SIZE, 0) == KEGTAP_HEADER_SIZE &&
                         pwrite(fd, tank.data() + KEGTAP_HEADER_SIZE, rest,
                                off_t{KEGTAP_HEADER_SIZE} + shift) == static_cast<ssize_t>(rest);
    close(fd);
    ASSERT_TRUE(written);

    ASSERT_TRUE(extractFile(tankPath)) << k.errorMessage();
    EXPECT_EQ(readBytes(out / "far.gas"), content);
    EXPECT_EQ(readBytes(out / "raw.bin"), randomBytes(100000));
}

} // namespace
