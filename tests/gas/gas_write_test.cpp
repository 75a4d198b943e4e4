// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/errors.h"
#include "gas/gas_document.h"
#include "tests/gas/gas_shape.h"
#include "tests/gas/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

TEST(GasWrite, WritesTheGameLayoutWithTabsAndCrLf) {
    GasDocument doc = parseText("[party]{[members]{[0]{hero_name = \"Hero\"; gold = 100; 1 = ; "
                                "creator_id = 'GPG!'; flag; ;}}[party]{gold=100;hero_index=0;}}");
    EXPECT_EQ(doc.text(), "[party]\r\n"
                          "{\r\n"
                          "\t[members]\r\n"
                          "\t{\r\n"
                          "\t\t[0]\r\n"
                          "\t\t{\r\n"
                          "\t\t\thero_name = \"Hero\";\r\n"
                          "\t\t\tgold = 100;\r\n"
                          "\t\t\t1 = ;\r\n"
                          "\t\t\tcreator_id = 'GPG!';\r\n"
                          "\t\t\tflag;\r\n"
                          "\t\t\t;\r\n"
                          "\t\t}\r\n"
                          "\t}\r\n"
                          "\t[party]\r\n"
                          "\t{\r\n"
                          "\t\tgold = 100;\r\n"
                          "\t\thero_index = 0;\r\n"
                          "\t}\r\n"
                          "}\r\n");
}

TEST(GasWrite, OnlyTheFirstEqualsSignIsSpaced) {
    EXPECT_EQ(parseText("[a]{k = \"x=y\";}").text(), "[a]\r\n{\r\n\tk = \"x=y\";\r\n}\r\n");
}

TEST(GasWrite, WrittenTextReadsBackToTheSameText) {
    std::string first = parseText("junk [a]{ v = two words; [b] {x=\"q; }\";} tail } [c]{}").text();
    EXPECT_EQ(first, "[a]\r\n{\r\n\tv = twowords;\r\n\t[b]\r\n\t{\r\n\t\tx = \"q; }\";\r\n"
                     "\t}\r\n}\r\n");
    EXPECT_EQ(parseText(first).text(), first);
}

TEST(GasWrite, SaveWritesTheFileAndCanRepeat) {
    TempFolder folder;
    GasDocument doc = parseText("[a]{x=1;}");
    doc.save(folder / "a.gas");
    doc.setValue("a\rx", "2");
    doc.save(folder / "a.gas");
    EXPECT_EQ(readAll(folder / "a.gas"), "[a]\r\n{\r\n\tx = 2;\r\n}\r\n");
    GasDocument again;
    again.load(folder / "a.gas");
    EXPECT_EQ(again.text(), doc.text());
}

TEST(GasWrite, SaveIntoAMissingFolderFailsWithTheCreateError) {
    TempFolder folder;
    const std::string target = folder / "missing/a.gas";
    try {
        parseText("[a]{}").save(target);
        FAIL();
    } catch (const FileError &error) {
        EXPECT_EQ(error.what(), "Cannot create file " + target + "\r\n" + std::strerror(ENOENT));
    }
}

} // namespace
