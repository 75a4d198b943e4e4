// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The text form of experience in Gas files: "." as the decimal point whatever the locale.

// Scientific notation, seven significant digits, pattern "0.00000#e+000": 70 -> "7.00000e+001",
// 12345.67 -> "1.234567e+004".
std::string formatExperience(long double x);
// A finite decimal number: optional sign, digits, optional "." fraction, optional e/E exponent.
// Throws ConvertError "'<text>' is not a valid floating point value" otherwise.
long double parseExperience(const std::string &text);
