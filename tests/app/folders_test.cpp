// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folders.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST(ProgramFolders, WritableProgramFolderKeepsSettingsAndImportsBesideTheProgram) {
    const ProgramFolders f = computeProgramFolders(QStringLiteral("/opt/thalrex"), true);
    EXPECT_EQ(f.imports, QStringLiteral("/opt/thalrex/Imports/"));
    EXPECT_EQ(f.settingsFile, QStringLiteral("/opt/thalrex/Thalrex.INI"));
}

TEST(ProgramFolders, ReadOnlyProgramFolderUsesTheUsersFolders) {
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

TEST(ProgramFolders, WritabilityIsTriedNotGuessed) {
    QTemporaryDir dir;
    EXPECT_TRUE(isWritableFolder(dir.path()));
    EXPECT_TRUE(QDir(dir.path())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty())
        << "the probe leaves nothing behind";
    EXPECT_FALSE(isWritableFolder(dir.filePath(QStringLiteral("missing"))));
}
