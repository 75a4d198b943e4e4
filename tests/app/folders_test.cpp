// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folders.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool EndsInSlash(const QString &folder) {
    return folder.endsWith(QLatin1Char('/'));
}

} // namespace

TEST(ProgramFolders, EveryFolderEndsInASlashAndTheSaveFolderLiesInDocuments) {
    const ProgramFolders f = ComputeProgramFolders(QStringLiteral(" /opt/thalrex "), true);
    for (const QString &folder : {f.Documents, f.Pictures, f.Save, f.Program, f.Imports})
        EXPECT_TRUE(EndsInSlash(folder)) << folder.toStdString();
    EXPECT_EQ(f.Save, f.Documents + QStringLiteral("Dungeon Siege/Save/"));
    EXPECT_EQ(f.Program, QStringLiteral("/opt/thalrex/")) << "trimmed";
}

TEST(ProgramFolders, WritableProgramFolderKeepsSettingsAndImportsBesideTheProgram) {
    const ProgramFolders f = ComputeProgramFolders(QStringLiteral("/opt/thalrex"), true);
    EXPECT_EQ(f.Imports, QStringLiteral("/opt/thalrex/Imports/"));
    EXPECT_EQ(f.SettingsFile, QStringLiteral("/opt/thalrex/Thalrex.INI"));
}

TEST(ProgramFolders, ReadOnlyProgramFolderUsesTheUsersFolders) {
    const ProgramFolders f = ComputeProgramFolders(QStringLiteral("/usr/lib/thalrex"), false);
    EXPECT_EQ(f.Imports, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QStringLiteral("/Thalrex/Imports/"));
    EXPECT_EQ(f.SettingsFile,
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/Thalrex/Thalrex.INI"));
}

TEST(ProgramFolders, DocumentsAndPicturesFollowTheDesktopsFolders) {
    const ProgramFolders f = ComputeProgramFolders(QStringLiteral("/opt/thalrex"), true);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    EXPECT_EQ(f.Documents, documents.isEmpty() ? QDir::homePath() + QStringLiteral("/Documents/")
                                               : documents + QLatin1Char('/'));
    EXPECT_EQ(f.Pictures, pictures.isEmpty() ? f.Documents : pictures + QLatin1Char('/'));
}

TEST(ProgramFolders, WritabilityIsTriedNotGuessed) {
    QTemporaryDir dir;
    EXPECT_TRUE(IsWritableFolder(dir.path()));
    EXPECT_TRUE(QDir(dir.path())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty())
        << "the probe leaves nothing behind";
    EXPECT_FALSE(IsWritableFolder(dir.filePath(QStringLiteral("missing"))));
}
