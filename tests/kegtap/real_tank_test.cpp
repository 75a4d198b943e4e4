// SPDX-License-Identifier: GPL-3.0-or-later
// The real Tank file made by the game's tools for a published mod extracts completely.
#include "tests/kegtap/support/extraction_fixture.h"
#include "tests/support/realdata_path.h"

#include <zlib.h>

namespace {

using RealTankTest = ExtractionTest;

TEST_F(RealTankTest, PumpkinExtractsEveryFileWithItsChecksumAndTime) {
    const fs::path pumpkin = realDataPath("tank/Pumpkin.dsmap");
    if (pumpkin.empty())
        return;
    answerWarnings(false);
    ASSERT_TRUE(extractFile(pumpkin)) << k.errorMessage();
    EXPECT_TRUE(prompts.empty()); // no checksum warning

    size_t files = 0, folders = 0;
    for (const auto &e : fs::recursive_directory_iterator(out))
        (e.is_directory() ? folders : files) += 1;
    EXPECT_EQ(files, 28u);
    EXPECT_EQ(folders, 13u); // the root is the destination itself

    const fs::path demo = out / "world/maps/minibits-demo-pumpkin";
    const auto stitch = readBytes(demo / "index/stitch_index.gas");
    EXPECT_EQ(std::string(stitch.begin(), stitch.end()), "[stitch_index]\r\n{\r\n}\r\n");
    const auto nodes = readBytes(demo / "regions/demo/terrain_nodes/siege_nodes.lnc");
    EXPECT_EQ(nodes.size(), 1973u);
    EXPECT_EQ(crc32(0, nodes.data(), static_cast<uInt>(nodes.size())), 0xd8cb2c61u);
    EXPECT_EQ(fs::file_size(demo / "regions/demo/objects/command.gas"), 0u);
    // Stored times, as Windows file times: 0x01d8ed4c767ca84a and 0x01d8ed4c767de10e.
    EXPECT_EQ(lastWriteFileTime(demo / "index/stitch_index.gas"), 0x01d8ed4c767ca84aull);
    EXPECT_EQ(lastWriteFileTime(demo / "regions/demo/terrain_nodes/siege_nodes.lnc"),
              0x01d8ed4c767de10eull);
}

} // namespace
