// SPDX-License-Identifier: GPL-3.0-or-later
#include "realdata.h"
#include "realdata_path.h"
#include "tests/gas/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest-spi.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

// Sets THALREX_REALDATA_DIR while it lives.
class RealDataFolderSet {
public:
    explicit RealDataFolderSet(const std::string &folder) {
        const char *was = std::getenv("THALREX_REALDATA_DIR");
        if (was != nullptr)
            saved = was;
        setenv("THALREX_REALDATA_DIR", folder.c_str(), 1);
    }
    ~RealDataFolderSet() {
        if (saved.empty())
            unsetenv("THALREX_REALDATA_DIR");
        else
            setenv("THALREX_REALDATA_DIR", saved.c_str(), 1);
    }

private:
    std::string saved;
};

// A real-data folder holding tank/present.dsmap, an empty folder gas/ and a file in place of a
// folder.
class RealDataRule : public testing::Test {
protected:
    TempFolder temp;
    const fs::path folder = temp.path() / "realdata";

    void SetUp() override {
        fs::create_directories(folder / "tank");
        fs::create_directories(folder / "gas");
        std::ofstream(folder / "tank/present.dsmap") << "DSigTank";
        std::ofstream(temp / "file") << "not a folder";
    }
};

TEST_F(RealDataRule, AbsentFolderSkipsAndAFolderLackingTheFileFails) {
    const struct Case {
        fs::path folder;
        std::string relative;
        RealData::Outcome outcome;
        std::string message;
    } cases[] = {
        {folder, "tank/present.dsmap", RealData::Outcome::Found, ""},
        {folder, "gas", RealData::Outcome::Found, ""},
        {temp.path() / "none", "tank/present.dsmap", RealData::Outcome::NoFolder,
         "the real-data folder " + temp / "none" + " is absent"},
        {folder, "tank/Pumpkin.dsmap", RealData::Outcome::Missing,
         "the real-data folder " + folder.string() + " lacks tank/Pumpkin.dsmap"},
        {temp.path() / "file", "gas", RealData::Outcome::Missing,
         "the real-data folder " + temp / "file" + " is not a folder"},
    };
    for (const Case &c : cases) {
        const RealData found = lookUpRealData(c.folder, c.relative);
        EXPECT_EQ(found.outcome, c.outcome) << c.folder << ' ' << c.relative;
        EXPECT_EQ(found.path, c.folder / c.relative);
        EXPECT_EQ(found.message, c.message);
    }
}

TEST_F(RealDataRule, ATestLackingARealFileFails) {
    RealDataFolderSet set(folder.string());
    fs::path path = "not set";
    EXPECT_NONFATAL_FAILURE(path = realDataPath("tank/Pumpkin.dsmap"), "lacks tank/Pumpkin.dsmap");
    EXPECT_TRUE(path.empty());
}

TEST_F(RealDataRule, ScriptsGetThePathOrTheSkipCode) {
    const std::string lookup = REALDATA_LOOKUP " tank/present.dsmap >/dev/null 2>&1";
    const struct Case {
        fs::path folder;
        int status;
    } cases[] = {{folder, 0}, {temp.path() / "none", 77}, {folder / "gas", 1}};
    for (const Case &c : cases) {
        RealDataFolderSet set(c.folder.string());
        const int status = std::system(lookup.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << c.folder;
        EXPECT_EQ(WEXITSTATUS(status), c.status) << c.folder;
    }
}

} // namespace
