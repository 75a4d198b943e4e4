// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/experience_text.h"

#include "hero/convert_error.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int significantDigits = 7;
// Digits taken before rounding to seven, as many as an extended value holds.
constexpr int exactDigits = 18;

// The digits of |x| rounded half up to significantDigits, and the decimal exponent of the first.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(long double x) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific,
                                   exactDigits - 1)
                         .ptr;
    const std::string_view text(buffer, end - buffer); // d.ddd...e+XX
    const auto e = text.find('e');
    Decimal d;
    d.digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    d.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    const bool roundUp = d.digits[significantDigits] >= '5';
    d.digits.resize(significantDigits);
    if (roundUp) {
        int i = significantDigits - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
        }
    }
    return d;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the run of digits at position i.
std::size_t digits(std::string_view s, std::size_t i) {
    std::size_t n = 0;
    while (i + n < s.size() && isDigit(s[i + n]))
        ++n;
    return n;
}

// True when s is [+|-]digits[.digits][(e|E)[+|-]digits] with at least one mantissa digit;
// sets exponentNegative.
bool isDecimalNumber(std::string_view s, bool &exponentNegative) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissa = digits(s, i);
    i += mantissa;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fraction = digits(s, i + 1);
        mantissa += fraction;
        i += 1 + fraction;
    }
    if (mantissa == 0)
        return false;
    exponentNegative = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            exponentNegative = s[i++] == '-';
        const std::size_t exponent = digits(s, i);
        if (exponent == 0)
            return false;
        i += exponent;
    }
    return i == s.size();
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string formatExperience(long double x) {
    const Decimal d = toDecimal(x < 0 ? -x : x);
    std::string text = x < 0 ? "-" : "";
    text += d.digits[0];
    text += '.';
    text += d.digits.substr(1, 5);
    if (d.digits[6] != '0')
        text += d.digits[6];
    const bool zero = d.digits.find_first_not_of('0') == std::string::npos;
    const int exponent = zero ? 0 : d.exponent;
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    text += exponent < 0 ? "e-" : "e+";
    return text + digits;
}

long double parseExperience(const std::string &text) {
    std::string_view number = trimBlanks(text);
    bool exponentNegative = false;
    if (!isDecimalNumber(number, exponentNegative))
        throw ConvertError("'" + text + "' is not a valid floating point value");
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative)
        number.remove_prefix(1);
    long double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (!exponentNegative)
            throw ConvertError("'" + text + "' is not a valid floating point value");
        value = 0; // too small to hold: zero
    }
    return negative ? -value : value;
}
