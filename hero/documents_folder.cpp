// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/documents_folder.h"

#include <cstdlib>

namespace {

std::string &Folder() {
    static std::string folder = [] {
        const char *home = std::getenv("HOME");
        return std::string(home ? home : "") + "/Documents/";
    }();
    return folder;
}

} // namespace

const std::string &DocumentsFolder() {
    return Folder();
}

void SetDocumentsFolder(const std::string &folder) {
    Folder() = folder;
}
