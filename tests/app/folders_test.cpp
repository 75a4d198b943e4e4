// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

bool endsInSlash(const QString &folder) {
    return folder.endsWith(QLatin1Char('/'));
}

} // namespace

TEST(ProgramFolders, EveryFolderEndsInASlashAndTheSaveFolderLiesInDocuments) {
    const ProgramFolders f = computeProgramFolders(QStringLiteral(" /opt/thalrex "), true);
    for (const QString &folder : {f.documents, f.pictures, f.save, f.program, f.imports})
        EXPECT_TRUE(endsInSlash(folder)) << folder.toStdString();
    EXPECT_EQ(f.save, f.documents + QStringLiteral("Dungeon Siege/Save/"));
    EXPECT_EQ(f.program, QStringLiteral("/opt/thalrex/")) << "trimmed";
}

TEST(ProgramFolders, FilesBesideTheProgramKeepSettingsAndImportsThere) {
    const ProgramFolders f = computeProgramFolders(QStringLiteral("/opt/thalrex"), true);
    EXPECT_EQ(f.imports, QStringLiteral("/opt/thalrex/Imports/"));
    EXPECT_EQ(f.settingsFile, QStringLiteral("/opt/thalrex/Thalrex.INI"));
}

TEST(ProgramFolders, OtherwiseTheUsersXdgFoldersTakeThem) {
    const ProgramFolders f = computeProgramFolders(QStringLiteral("/usr/lib/thalrex"), false);
    EXPECT_EQ(f.imports, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QStringLiteral("/Thalrex/Imports/"));
    EXPECT_EQ(f.settingsFile,
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/Thalrex/Thalrex.INI"));
}

TEST(ProgramFolders, DocumentsAndPicturesFollowTheDesktopsFolders) {
    const ProgramFolders f = computeProgramFolders(QStringLiteral("/opt/thalrex"), true);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    EXPECT_EQ(f.documents, documents.isEmpty() ? QDir::homePath() + QStringLiteral("/Documents/")
                                               : documents + QLatin1Char('/'));
    EXPECT_EQ(f.pictures, pictures.isEmpty() ? f.documents : pictures + QLatin1Char('/'));
}

TEST(ProgramFolders, FilesStayBesideTheProgramOnlyInABuildTreeOrAPortableCopy) {
    QTemporaryDir dir;
    const QString root = dir.path() + '/';
    const struct {
        const char *folder;
        std::vector<const char *> files; // beside the folder, relative to it
        bool beside;
    } cases[] = {
        {"build/bin", {"../CMakeCache.txt"}, true},
        {"copy", {}, false},
        {"portable-copy", {"portable"}, true},
        {"used-copy", {"Thalrex.INI"}, true},
        {"usr/lib/thalrex", {"Thalrex.INI", "portable"}, false},
        {"home/.local/lib/thalrex", {"Thalrex.INI"}, false},
    };
    for (const auto &c : cases) {
        const QString folder = root + c.folder + '/';
        ASSERT_TRUE(QDir().mkpath(folder));
        for (const char *file : c.files)
            QFile(folder + file).open(QIODevice::WriteOnly);
        EXPECT_EQ(keepsFilesBesideProgram(folder), c.beside) << c.folder;
    }
    EXPECT_TRUE(keepsFilesBesideProgram(qEnvironmentVariable("THALREX_PROGRAM_DIR")))
        << "this build's own program folder";
}

TEST(ProgramFolders, BackupsLieInTheDataFolderWhereverTheSettingsAre) {
    const QString backups = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/Thalrex/Backups/");
    for (bool beside : {true, false})
        EXPECT_EQ(computeProgramFolders(QStringLiteral("/opt/thalrex"), beside).backups, backups);
}

TEST(ProgramFolders, WithoutHomeTheAccountsHomeFolder) {
    const passwd *account = getpwuid(getuid());
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(homeFolder([](const char *) { return std::string(); }), account->pw_dir);
    EXPECT_EQ(
        homeFolder([](const char *name) { return std::string(name) == "HOME" ? "/home/ann" : ""; }),
        "/home/ann");
}
