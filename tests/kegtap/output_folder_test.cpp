// SPDX-License-Identifier: GPL-3.0-or-later
// Destination folders the user may write into but not list.
#include "tests/kegtap/support/child_extraction.h"
#include "tests/kegtap/support/extraction_fixture.h"

#include <unistd.h>

using tankwriter::Node;

namespace {

constexpr uid_t Nobody = 65534;

class OutputFolderTest : public ExtractionTest {};

// Runs as an ordinary user in a child, since the permission bits do not bind root.
TEST_F(OutputFolderTest, WritableButNotListableDestination) {
    writeBytes(tankPath, tankwriter::buildTank(Node::folder(
                             "", {Node::folder("maps", {Node::file("b.gas", textBytes("bee"))}),
                                  Node::file("a.gas", textBytes("first"))})));
    fs::permissions(temp.path(), fs::perms(0711));
    fs::permissions(tankPath, fs::perms(0644));
    fs::permissions(out, fs::perms(0333));

    const ChildOutcome outcome = extractInChild(k, [&] {
        if (geteuid() == 0 && setresuid(Nobody, Nobody, Nobody) != 0)
            return false;
        return extractFile(tankPath);
    });
    fs::permissions(out, fs::perms(0755));
    EXPECT_TRUE(outcome.extracted) << outcome.message;
    EXPECT_EQ(readBytes(out / "a.gas"), textBytes("first"));
    EXPECT_EQ(readBytes(out / "maps" / "b.gas"), textBytes("bee"));
}

} // namespace
