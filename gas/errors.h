// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// The failures that travel out of Gas documents and the hero folder. Each carries only its
// message text; what() is the message shown to the user.

// A multi-step operation failed (reading Gas structure, opening or saving a hero).
class OperationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A lookup addressed an entry that does not exist: "List index out of bounds (%d)".
class GasPathError : public std::runtime_error {
public:
    explicit GasPathError(int index);
};

// A file could not be opened, created or written; the message names the file.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
