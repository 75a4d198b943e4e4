// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// The failures that travel out of Gas documents and the hero folder. Each carries only its
// message text; what() is the message shown to the user.

// A multi-step operation failed (reading Gas structure, opening or saving a hero).
class EDSFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A lookup addressed an entry that does not exist: "List index out of bounds (%d)".
class EListError : public std::runtime_error {
public:
    explicit EListError(int index);
};

// A file could not be opened, created or written; the message names the file.
class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
