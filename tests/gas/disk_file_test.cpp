// SPDX-License-Identifier: GPL-3.0-or-later
#include "gas/disk_file.h"
#include "gas/errors.h"
#include "tests/gas/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

size_t filesIn(const TempFolder &folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder.path()),
                                             std::filesystem::directory_iterator()));
}

TEST(DiskFile, ReadGivesEveryByte) {
    TempFolder folder;
    const std::string bytes("a\0b\r\n\xff", 6);
    writeAll(folder / "f", bytes);
    EXPECT_EQ(readFileBytes(folder / "f"), bytes);
    writeAll(folder / "empty", "");
    EXPECT_EQ(readFileBytes(folder / "empty"), "");
}

TEST(DiskFile, ReadOfAMissingFileOrAFolderFailsWithTheOpenError) {
    TempFolder folder;
    for (const std::string &name : {folder / "missing", folder.path().string()}) {
        try {
            readFileBytes(name);
            FAIL() << name;
        } catch (const FileError &error) {
            EXPECT_EQ(error.what(), "Cannot open file " + name);
        }
    }
}

TEST(DiskFile, ReplaceWritesTheBytesKeepsTheModeAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string target = folder / "Info.gas";
    replaceFileAtomically(target, "first");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    replaceFileAtomically(target, "second");
    EXPECT_EQ(readAll(target), "second");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(filesIn(folder), 1u);
}

TEST(DiskFile, FullDiskLeavesTheOldFileWhole) {
    TempFolder folder;
    const std::string target = folder / "Party.gas";
    const std::string old(3000, 'o');
    writeAll(target, old);

    // The file size limit stands in for a full disk: writes beyond it fail with EFBIG.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    std::string message;
    try {
        replaceFileAtomically(target, std::string(10000, 'n'));
    } catch (const FileError &error) {
        message = error.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(message, "Cannot create file " + target + "\r\n" + std::strerror(EFBIG));
    EXPECT_EQ(readAll(target), old);
    EXPECT_EQ(filesIn(folder), 1u);
}

TEST(DiskFile, ReplacingAFolderFailsWithTheCreateError) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "Info.gas");
    try {
        replaceFileAtomically(folder / "Info.gas", "x");
        FAIL();
    } catch (const FileError &error) {
        EXPECT_EQ(error.what(),
                  "Cannot create file " + folder / "Info.gas" + "\r\n" + std::strerror(EISDIR));
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Info.gas"));
    EXPECT_EQ(filesIn(folder), 1u);
}

TEST(DiskFile, ReplaceThroughAWriterKeepsTheExtensionAndTheOldFileOnFailure) {
    TempFolder folder;
    const std::string target = folder / "Portrait-0.bmp";
    std::string written;
    replaceFileAtomically(target, [&](const std::string &path) {
        written = path;
        writeAll(path, "new");
    });
    EXPECT_EQ(readAll(target), "new");
    EXPECT_EQ(written.substr(written.size() - 4), ".bmp");
    EXPECT_NE(written, target);

    try {
        replaceFileAtomically(target, [](const std::string &path) {
            writeAll(path, "half");
            throw std::runtime_error("Cannot create file " + path);
        });
        FAIL();
    } catch (const FileError &error) {
        EXPECT_EQ(error.what(), "Cannot create file " + target);
    }
    EXPECT_EQ(readAll(target), "new");
    EXPECT_EQ(filesIn(folder), 1u);
}

TEST(DiskFile, ReplaceThroughAWriterThatRenamesItsOwnFileGetsTheUsualMode) {
    // Writers such as QSaveFile put a new file at the path they are given.
    TempFolder folder;
    const std::string target = folder / "Portrait-0.bmp";
    replaceFileAtomically(target, [](const std::string &path) {
        const std::string own = path + ".own";
        writeAll(own, "picture");
        ::chmod(own.c_str(), 0600);
        std::filesystem::rename(own, path);
    });
    replaceFileAtomically(folder / "Info.gas", "text");
    struct stat picture {
    }, gas{};
    ASSERT_EQ(::stat(target.c_str(), &picture), 0);
    ASSERT_EQ(::stat((folder / "Info.gas").c_str(), &gas), 0);
    EXPECT_EQ(readAll(target), "picture");
    EXPECT_EQ(picture.st_mode & 07777, gas.st_mode & 07777);
    EXPECT_EQ(filesIn(folder), 2u);
}

} // namespace
