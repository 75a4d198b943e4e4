// SPDX-License-Identifier: GPL-3.0-or-later
#include "realdata.h"

#include <cstdlib>

namespace fs = std::filesystem;

fs::path realDataFolder() {
    const char *folder = std::getenv("THALREX_REALDATA_DIR");
    return folder != nullptr && *folder != '\0' ? folder : THALREX_DEFAULT_REALDATA_DIR;
}

RealData lookUpRealData(const fs::path &folder, const std::string &relative) {
    const fs::path path = folder / relative;
    std::error_code error;
    if (!fs::exists(folder, error))
        return {error ? RealData::Outcome::Missing : RealData::Outcome::NoFolder, path,
                "the real-data folder " + folder.string() + " is absent" +
                    (error ? " (" + error.message() + ")" : "")};
    if (!fs::is_directory(folder, error))
        return {RealData::Outcome::Missing, path,
                "the real-data folder " + folder.string() + " is not a folder"};
    if (!fs::exists(path, error))
        return {RealData::Outcome::Missing, path,
                "the real-data folder " + folder.string() + " lacks " + relative};
    return {RealData::Outcome::Found, path, {}};
}

RealData lookUpRealData(const std::string &relative) {
    return lookUpRealData(realDataFolder(), relative);
}
