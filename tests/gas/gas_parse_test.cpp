// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/errors.h"
#include "gas/gas_document.h"
#include "tests/gas/gas_shape.h"
#include "tests/gas/temp_folder.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char *what;
    const char *text;
    const char *shape;
};

void PrintTo(const ParseCase &c, std::ostream *os) {
    *os << c.what;
}

class GasParse : public testing::TestWithParam<ParseCase> {};

TEST_P(GasParse, ReadsTheTreeByTheDocumentRules) {
    EXPECT_EQ(shape(parseText(GetParam().text).root()), GetParam().shape) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GasParse,
    testing::Values(
        ParseCase{"quoted value keeps its quotes", "[a]{hero_name = \"Hero\";}",
                  "[a]{<hero_name=\"Hero\">}"},
        ParseCase{"empty value", "[a]{1 = ;}", "[a]{<1=>}"},
        ParseCase{"single quotes are ordinary", "[a]{creator_id = 'GPG!';}",
                  "[a]{<creator_id='GPG!'>}"},
        ParseCase{"[ after = is data", "[a]{version = 00.[05].2002.03.0801;}",
                  "[a]{<version=00.[05].2002.03.0801>}"},
        ParseCase{"quoted braces and semicolons are data",
                  "[a]{guid = \"{3D48;0B}\"; n = \"Utraean Peninsula\";}",
                  "[a]{<guid=\"{3D48;0B}\"><n=\"Utraean Peninsula\">}"},
        ParseCase{"blanks outside quotes vanish inside values", "[a]{v = two \t words;}",
                  "[a]{<v=twowords>}"},
        ParseCase{"two statements on one line", "[a]{x = 1; y = 2;}", "[a]{<x=1><y=2>}"},
        ParseCase{"one statement over several lines", "[a]\n{\nx\n=\n1\n;\ny = 2;\n}",
                  "[a]{<x=1><y=2>}"},
        ParseCase{"CR, LF and CR LF all break lines", "[a]\r{\r\nx =\n 1;\r}", "[a]{<x=1>}"},
        ParseCase{"nested blocks in order", "[a]{x=1;[b]{y=2;}z=3;[c]{}}",
                  "[a]{<x=1>[b]{<y=2>}<z=3>[c]{}}"},
        ParseCase{"block name trimmed, inner blanks kept", "[  t:snode, n:0x01 \t]{}",
                  "[t:snode, n:0x01]{}"},
        ParseCase{"numbered block", "[a]{[0]{k=v;}}", "[a]{[0]{<k=v>}}"},
        ParseCase{"text between ] and { is ignored", "[a] junk; x=1; {y=2;}", "[a]{<y=2>}"},
        ParseCase{"text before a nested [ is dropped", "[a]{junk [b]{} x=1;}", "[a]{[b]{}<x=1>}"},
        ParseCase{"text after the last ; is dropped", "[a]{x=1; trailing}", "[a]{<x=1>}"},
        ParseCase{"empty statements are kept", "[a]{;x=1;;}", "[a]{<><x=1><>}"},
        ParseCase{"statement without =", "[a]{flag;}", "[a]{<flag>}"},
        ParseCase{"= inside quotes makes a later [ data", "[a]{\"k=v\" [x];}", "[a]{<\"k=v\"[x]>}"},
        ParseCase{"} outside quotes ends the block even in a value", "[a]{k = }x=1;", "[a]{}"},
        ParseCase{"text before the first [ is skipped", "junk; {x} [a]{x=1;}", "[a]{<x=1>}"},
        ParseCase{"a second top-level block is not read", "[a]{x=1;}[b]{y=2;}", "[a]{<x=1>}"},
        ParseCase{"control characters are trimmed, Latin-1 bytes kept",
                  "[a]{\x0bk=caf\xe9\x0c;n=\"\xa0\";}", "[a]{<k=caf\xe9><n=\"\xa0\">}"}),
    [](const testing::TestParamInfo<ParseCase> &info) {
        return "Case" + std::to_string(info.index);
    });

class GasBroken : public testing::TestWithParam<const char *> {};

TEST_P(GasBroken, FailsWithTheStructureError) {
    GasDocument doc;
    doc.setLines(GetParam());
    try {
        doc.load();
        FAIL() << "parsed: " << GetParam();
    } catch (const OperationError &error) {
        EXPECT_STREQ(error.what(), "Gas file structure could not be read");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, GasBroken,
                         testing::Values("", "no block here; x = 1;", "[a", "[a]", "[a] x=1;",
                                         "[a]{x=1;", "[a]{[b]{}", "[a]{x=\"open;}", "[a]{[b"));

TEST(GasLoad, FailedParseKeepsTheTreeBuiltSoFar) {
    GasDocument doc;
    doc.setLines("[a]{x=1;[b]{y=2;");
    EXPECT_THROW(doc.load(), OperationError);
    EXPECT_EQ(shape(doc.root()), "[a]{<x=1>[b]{<y=2>}}");
}

TEST(GasLoad, FileTextFromTheFirstNulIsIgnored) {
    TempFolder folder;
    writeAll(folder / "a.gas", std::string("[a]{x=1;}\0[b]{}", 15));
    GasDocument doc;
    doc.load(folder / "a.gas");
    EXPECT_EQ(shape(doc.root()), "[a]{<x=1>}");

    writeAll(folder / "b.gas", std::string("[a]{x=1;\0}", 10));
    EXPECT_THROW(doc.load(folder / "b.gas"), OperationError);
}

TEST(GasLoad, LineBreaksJoinTheLinesEvenInsideNamesAndQuotes) {
    TempFolder folder;
    writeAll(folder / "a.gas", "[to\r\np]\n{\r[in\nner]{k = \"one\r\ntwo\";\nv = a\r\n b;}}");
    GasDocument doc;
    doc.load(folder / "a.gas");
    EXPECT_EQ(shape(doc.root()), "[top]{[inner]{<k=\"onetwo\"><v=ab>}}");
}

TEST(GasLoad, LoadingAgainReplacesTheTree) {
    TempFolder folder;
    writeAll(folder / "a.gas", "[a]\r\n{\r\n\tx = 1;\r\n}\r\n");
    GasDocument doc = parseText("[old]{[deep]{k=v;}}");
    doc.load(folder / "a.gas");
    EXPECT_EQ(shape(doc.root()), "[a]{<x=1>}");
}

TEST(GasLoad, MissingFileFailsWithTheFileErrorAndKeepsTheDocument) {
    TempFolder folder;
    GasDocument doc = parseText("[a]{x=1;}");
    try {
        doc.load(folder / "none.gas");
        FAIL();
    } catch (const FileError &error) {
        EXPECT_EQ(error.what(), "Cannot open file " + folder / "none.gas");
    }
    EXPECT_EQ(shape(doc.root()), "[a]{<x=1>}");
}

std::string nestedText(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "[b]{";
    return text + "k=v;" + std::string(depth, '}');
}

TEST(GasLoad, DeepNestingNeitherOverflowsNorLosesBlocks) {
    const int depth = 200000;
    GasDocument doc = parseText(nestedText(depth));
    const GasBlock *block = &doc.root();
    int levels = 0;
    while (!block->empty() && block->front().child) {
        block = block->front().child.get();
        ++levels;
    }
    EXPECT_EQ(levels, depth);
    EXPECT_EQ(shape(*block), "<k=v>");
    doc.clear();
    EXPECT_TRUE(doc.root().empty());
}

TEST(GasLoad, DeepNestingWritesAndReadsBack) {
    std::string written = parseText(nestedText(1000)).text();
    EXPECT_EQ(parseText(written).text(), written);
    EXPECT_NE(written.find("\n" + std::string(1000, '\t') + "k = v;\r\n"), std::string::npos);
}

} // namespace
