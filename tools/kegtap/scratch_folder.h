// SPDX-License-Identifier: GPL-3.0-or-later
// A private temporary folder that test and cat extract single files into.
#pragma once

#include "kegtap/output_folder.h"

#include <string>

namespace kegtapcli {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const kegtap::OutputFolder &folder() const { return folder_; }
    // Copies the extracted file to standard output.
    void copyToOutput(const std::string &name) const;
    void remove(const std::string &name) const;

private:
    std::string path_;
    kegtap::OutputFolder folder_;
};

} // namespace kegtapcli
