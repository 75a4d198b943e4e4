// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/errors.h"
#include "gas/gas_document.h"
#include "tests/gas/gas_shape.h"

#include <gtest/gtest.h>

namespace {

const char *const partyText = "[party]{"
                              "[members]{[0]{[member]{gold=5;screen_name=\"Hero\";"
                              "[skins]{0=b_c_ecm_sk;1=;}}}}"
                              "[party]{gold=100;hero_index=0;}"
                              "gold=7;}";

struct GetCase {
    const char *path;
    const char *value;
};

void PrintTo(const GetCase &c, std::ostream *os) {
    for (const char *p = c.path; *p; ++p)
        *os << (*p == '\r' ? '/' : *p);
}

class GasGet : public testing::TestWithParam<GetCase> {};

TEST_P(GasGet, FindsTheFirstMatchWithoutRegardToCase) {
    EXPECT_EQ(parseText(partyText).value(GetParam().path), GetParam().value) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GasGet,
    testing::Values(GetCase{"party\rmembers\r0\rmember\rscreen_name", "\"Hero\""},
                    GetCase{"party\rparty\rgold", "100"}, GetCase{"PARTY\rParty\rGOLD", "100"},
                    GetCase{"party\rgold", "7"}, GetCase{"party\rmembers\r0\rmember\rskins\r1", ""},
                    GetCase{"party\rmembers\r0\rmember\rskins\r0", "b_c_ecm_sk"},
                    GetCase{"party\rmissing_key", ""}, GetCase{"party\rgold\r", "7"}),
    [](const testing::TestParamInfo<GetCase> &info) {
        return "Case" + std::to_string(info.index);
    });

TEST(GasPath, DuplicateKeysAndBlocksUseTheFirstMatch) {
    GasDocument doc = parseText("[a]{k=1;k=2;[b]{x=first;}[B]{x=second;}}");
    EXPECT_EQ(doc.value("a\rk"), "1");
    EXPECT_EQ(doc.value("a\rb\rx"), "first");
    doc.setValue("a\rk", "9");
    doc.setValue("a\rb\rx", "");
    EXPECT_EQ(shape(doc.root()), "[a]{<k=9><k=2>[b]{}[B]{<x=second>}}");
}

TEST(GasPath, StatementsWithoutEqualsAreNeitherKeysNorBlocks) {
    GasDocument doc = parseText("[a]{flag;b;[b]{flag=1;}}");
    EXPECT_EQ(doc.value("a\rflag"), "");
    EXPECT_EQ(doc.value("a\rb\rflag"), "1");
}

TEST(GasPath, SetReplacesInPlaceWithTheCallersKeySpelling) {
    GasDocument doc = parseText("[a]{Gold=1;x=2;}");
    doc.setValue("A\rGOLD", "5");
    EXPECT_EQ(shape(doc.root()), "[a]{<GOLD=5><x=2>}");
}

TEST(GasPath, SetAppendsAMissingKeyAfterNestedBlocks) {
    GasDocument doc = parseText("[a]{x=1;[b]{}}");
    doc.setValue("a\ry", "two words");
    EXPECT_EQ(shape(doc.root()), "[a]{<x=1>[b]{}<y=two words>}");
}

TEST(GasPath, SetWithAnEmptyValueRemovesTheStatement) {
    GasDocument doc = parseText("[a]{x=1;y=2;}");
    doc.setValue("a\rx", "");
    doc.setValue("a\rnone", "");
    EXPECT_EQ(doc.value("a\rx"), "");
    EXPECT_EQ(doc.text(), "[a]\r\n{\r\n\ty = 2;\r\n}\r\n");
}

TEST(GasPath, MissingBlockIsAListErrorAndChangesNothing) {
    GasDocument doc = parseText(partyText);
    const std::string before = doc.text();
    for (const char *path :
         {"party\rmembers\r1\rmember\rgold", "info\rhero_name", "party\rgold\rx"}) {
        try {
            doc.setValue(path, "1");
            FAIL() << path;
        } catch (const GasPathError &error) {
            EXPECT_STREQ(error.what(), "List index out of bounds (-1)");
        }
        EXPECT_THROW(doc.value(path), GasPathError);
    }
    EXPECT_EQ(doc.text(), before);
}

TEST(GasPath, EmptyDocumentFailsAsSoonAsAPathNeedsABlock) {
    GasDocument doc;
    EXPECT_THROW(doc.value("party\rgold"), GasPathError);
    EXPECT_THROW(doc.setValue("party\rgold", "1"), GasPathError);
}

TEST(GasPath, ChildGivesBlocksAndRejectsIndexesOutsideTheList) {
    GasDocument doc = parseText("[a]{x=1;[b]{y=2;}}");
    GasBlock *a = GasDocument::child(doc.root(), 0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(GasDocument::child(*a, 0), nullptr);
    ASSERT_NE(GasDocument::child(*a, 1), nullptr);
    EXPECT_EQ(shape(*GasDocument::child(*a, 1)), "<y=2>");
    for (int index : {-1, 2}) {
        try {
            GasDocument::child(*a, index);
            FAIL() << index;
        } catch (const GasPathError &error) {
            EXPECT_EQ(error.what(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
}

} // namespace
