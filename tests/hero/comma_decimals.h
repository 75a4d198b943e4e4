// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <locale>
#include <string>

// The C++ global locale with numbers that read "1.234.567,5"; the previous one comes back at the
// end of the scope.
class CommaDecimals {
public:
    CommaDecimals()
        : m_previous(std::locale::global(std::locale(std::locale::classic(), new Punct))) {}
    ~CommaDecimals() { std::locale::global(m_previous); }
    CommaDecimals(const CommaDecimals &) = delete;
    CommaDecimals &operator=(const CommaDecimals &) = delete;

private:
    struct Punct : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    std::locale m_previous;
};
