// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/convert_error.h"
#include "hero/experience.h"
#include "hero/experience_text.h"
#include "tests/gas/temp_folder.h"
#include "tests/hero/comma_decimals.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <string>

namespace {

const std::pair<long double, const char *> formats[] = {
    {0, "0.00000e+000"},          {70, "7.00000e+001"},
    {150, "1.50000e+002"},        {0.5L, "5.00000e-001"},
    {9450, "9.45000e+003"},       {12345.67L, "1.234567e+004"},
    {1234567, "1.234567e+006"},   {12345678, "1.234568e+007"},
    {11263782, "1.126378e+007"},  {1234568.5L, "1.234569e+006"}, // an exact half rounds up
    {9999999.5L, "1.00000e+007"},                                // the carry moves the exponent
    {0.00001L, "1.00000e-005"},   {2639446640557650.0L, "2.639447e+015"},
    {1e100L, "1.00000e+100"},     {1e1000L, "1.00000e+1000"},
    {-35, "-3.50000e+001"},
};

TEST(FormatExperience, SevenSignificantDigitsWithThreeDigitExponent) {
    for (const auto &[x, text] : formats)
        EXPECT_EQ(formatExperience(x), text);
}

TEST(FormatExperience, SevenDigitsCanFallBelowTheLevelStart) {
    const long double back = parseExperience(formatExperience(11263782));
    EXPECT_EQ(back, 11263780);
    EXPECT_EQ(levelForExperience(51, back), 50);
}

TEST(ParseExperience, AcceptsDecimalAndExponentForms) {
    const std::pair<const char *, long double> cases[] = {
        {"0", 0},
        {"7.00000e+001", 70},
        {"1.234567e+004", 12345.67L},
        {"-2", -2},
        {"+3e2", 300},
        {"1E3", 1000},
        {".5", 0.5L},
        {"5.", 5},
        {"0.009094", 0.009094L},
        {" 12 ", 12},
        {"1e-5000", 0},
        {"12345678901234.5", 12345678901234.5L},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseExperience(text), value) << text;
}

TEST(ParseExperience, RejectsWhatIsNotAFiniteDecimalNumber) {
    const char *cases[] = {"",      " ",   "abc",  "nan",    "NAN", "inf", "-infinity",
                           "0x1p3", "1,5", "1.5x", "e5",     "1e",  "1e+", "--1",
                           "1.2.3", ".",   "+",    "1e5000", "1 2", "\t1"};
    for (const char *text : cases) {
        try {
            parseExperience(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConvertError &e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

// Builds a German locale into a temporary folder, so the test needs nothing installed;
// answers whether the C locale now writes a decimal comma.
bool useGermanCLocale(const std::filesystem::path &folder) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        const std::string command = "localedef -i de_DE -f UTF-8 '" +
                                    (folder / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0)
            return false;
        setenv("LOCPATH", folder.c_str(), 1);
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
            return false;
    }
    return std::string(std::localeconv()->decimal_point) == ",";
}

TEST(ExperienceText, IgnoresTheProcessLocale) {
    const TempFolder folder;
    std::string formatted[std::size(formats)];
    long double parsed[std::size(formats)];
    bool commaInC = false, commaRejected = false;
    {
        const CommaDecimals commaDecimals;
        commaInC = useGermanCLocale(folder.path());
        for (std::size_t i = 0; i < std::size(formats); ++i) {
            formatted[i] = formatExperience(formats[i].first);
            parsed[i] = parseExperience(formats[i].second);
        }
        try {
            parseExperience("1,5");
        } catch (const ConvertError &) {
            commaRejected = true;
        }
        std::setlocale(LC_ALL, "C");
    }
    unsetenv("LOCPATH");

    if (!commaInC)
        std::cout << "note: no German C locale could be built; C++ locale checked only\n";
    for (std::size_t i = 0; i < std::size(formats); ++i) {
        EXPECT_EQ(formatted[i], formats[i].second);
        EXPECT_EQ(parsed[i], parseExperience(formats[i].second));
    }
    EXPECT_TRUE(commaRejected);
}

} // namespace
