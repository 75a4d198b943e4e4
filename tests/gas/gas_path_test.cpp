// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/bowels.h"
#include "gas/errors.h"
#include "tests/gas/gas_shape.h"

#include <gtest/gtest.h>

namespace {

const char *const kParty = "[party]{"
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
    EXPECT_EQ(ParseText(kParty).GetValue(GetParam().path), GetParam().value) << GetParam().path;
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
    TBowels doc = ParseText("[a]{k=1;k=2;[b]{x=first;}[B]{x=second;}}");
    EXPECT_EQ(doc.GetValue("a\rk"), "1");
    EXPECT_EQ(doc.GetValue("a\rb\rx"), "first");
    doc.SetValue("a\rk", "9");
    doc.SetValue("a\rb\rx", "");
    EXPECT_EQ(Shape(doc.Root), "[a]{<k=9><k=2>[b]{}[B]{<x=second>}}");
}

TEST(GasPath, StatementsWithoutEqualsAreNeitherKeysNorBlocks) {
    TBowels doc = ParseText("[a]{flag;b;[b]{flag=1;}}");
    EXPECT_EQ(doc.GetValue("a\rflag"), "");
    EXPECT_EQ(doc.GetValue("a\rb\rflag"), "1");
}

TEST(GasPath, SetReplacesInPlaceWithTheCallersKeySpelling) {
    TBowels doc = ParseText("[a]{Gold=1;x=2;}");
    doc.SetValue("A\rGOLD", "5");
    EXPECT_EQ(Shape(doc.Root), "[a]{<GOLD=5><x=2>}");
}

TEST(GasPath, SetAppendsAMissingKeyAfterNestedBlocks) {
    TBowels doc = ParseText("[a]{x=1;[b]{}}");
    doc.SetValue("a\ry", "two words");
    EXPECT_EQ(Shape(doc.Root), "[a]{<x=1>[b]{}<y=two words>}");
}

TEST(GasPath, SetWithAnEmptyValueRemovesTheStatement) {
    TBowels doc = ParseText("[a]{x=1;y=2;}");
    doc.SetValue("a\rx", "");
    doc.SetValue("a\rnone", "");
    EXPECT_EQ(doc.GetValue("a\rx"), "");
    EXPECT_EQ(doc.Text(), "[a]\r\n{\r\n\ty = 2;\r\n}\r\n");
}

TEST(GasPath, MissingBlockIsAListErrorAndChangesNothing) {
    TBowels doc = ParseText(kParty);
    const std::string before = doc.Text();
    for (const char *path :
         {"party\rmembers\r1\rmember\rgold", "info\rhero_name", "party\rgold\rx"}) {
        try {
            doc.SetValue(path, "1");
            FAIL() << path;
        } catch (const EListError &error) {
            EXPECT_STREQ(error.what(), "List index out of bounds (-1)");
        }
        EXPECT_THROW(doc.GetValue(path), EListError);
    }
    EXPECT_EQ(doc.Text(), before);
}

TEST(GasPath, EmptyDocumentFailsAsSoonAsAPathNeedsABlock) {
    TBowels doc;
    EXPECT_THROW(doc.GetValue("party\rgold"), EListError);
    EXPECT_THROW(doc.SetValue("party\rgold", "1"), EListError);
}

TEST(GasPath, ChildGivesBlocksAndRejectsIndexesOutsideTheList) {
    TBowels doc = ParseText("[a]{x=1;[b]{y=2;}}");
    TGasBlock *a = TBowels::Child(doc.Root, 0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(TBowels::Child(*a, 0), nullptr);
    ASSERT_NE(TBowels::Child(*a, 1), nullptr);
    EXPECT_EQ(Shape(*TBowels::Child(*a, 1)), "<y=2>");
    for (int index : {-1, 2}) {
        try {
            TBowels::Child(*a, index);
            FAIL() << index;
        } catch (const EListError &error) {
            EXPECT_EQ(error.what(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
}

} // namespace
