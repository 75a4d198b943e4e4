// SPDX-License-Identifier: GPL-3.0-or-later
// A folder that extracted files and folders are created in, held open so that nothing below it
// is reached through a symbolic link.
#pragma once

#include "kegtap/error_state.h"

#include <optional>

namespace tankreader {

class OutputFolder {
public:
    // The caller's destination; null means the current directory.
    static OutputFolder openDestination(const char *path);

    OutputFolder(OutputFolder &&other) noexcept;
    OutputFolder &operator=(OutputFolder &&other) noexcept;
    OutputFolder(const OutputFolder &) = delete;
    OutputFolder &operator=(const OutputFolder &) = delete;
    ~OutputFolder();

    // Creates (or accepts an existing real folder) name below this folder and opens it;
    // "Cannot create directory." on failure.
    std::optional<OutputFolder> createSubfolder(const char *name, ErrorState &error) const;

    // Descriptor for the *at() calls; when the folder could not be opened, -1 with errno set
    // to the reason.
    int descriptor() const;

private:
    OutputFolder(int fd, bool owned, int openError)
        : fd_(fd), owned_(owned), openError_(openError) {}

    int fd_;
    bool owned_;
    int openError_;
};

} // namespace tankreader
