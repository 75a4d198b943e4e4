// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/utf8.h"
#include "text/windows1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace {

// Bytes and their characters. 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined in the code page.
const std::pair<std::string, std::string> bothWays[] = {
    {"\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F"
     "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F",
     "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"},
    {"\xC4rger \xDF\xA0\xFF", "Ärger ß\u00A0ÿ"}};

TEST(Windows1252, EveryByteComesBackThroughUtf8) {
    for (const auto &[bytes, text] : bothWays) {
        EXPECT_EQ(windows1252::toUtf8(bytes), text);
        EXPECT_EQ(windows1252::fromUtf8(text), bytes);
        EXPECT_EQ(windows1252::fromUtf8Lossy(text), bytes);
    }
}

struct FromUtf8 {
    std::string text, lossy;
    std::optional<std::string> strict;
};
const FromUtf8 fromUtf8Cases[] = {{"a😀!", "a?!", std::nullopt},
                                  {"a\xE9!", "a?!", "a\xE9!"},     // a Windows-1252 é
                                  {"\xE2\x82", "??", "\xE2\x82"}}; // a cut-off €

TEST(Windows1252, ACharacterWithoutAByteOrABadByte) {
    for (const auto &[text, lossy, strict] : fromUtf8Cases) {
        EXPECT_EQ(windows1252::fromUtf8Lossy(text), lossy) << text;
        EXPECT_EQ(windows1252::fromUtf8(text), strict) << text;
    }
}

const std::pair<std::string, bool> utf8Cases[] = {{"Größe €😀", true},
                                                  {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
                                                  {"\xC0\xAF", false},         // overlong "/"
                                                  {"\xED\xA0\x80", false},     // a surrogate
                                                  {"\xF4\x90\x80\x80", false}, // past U+10FFFF
                                                  {"\xE2\x82", false}};

TEST(Utf8, OnlyWellFormedCharactersAreValid) {
    for (const auto &[bytes, valid] : utf8Cases)
        EXPECT_EQ(utf8::isValid(bytes), valid) << bytes;
}

} // namespace
