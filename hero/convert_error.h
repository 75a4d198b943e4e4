// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// A text that does not convert to the number asked for, e.g.
// "'abc' is not a valid floating point value".
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
