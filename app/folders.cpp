// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folders.h"

#include "app/savefolder_search.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdlib>

namespace {

QString WithSlash(const QString &folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString Location(QStandardPaths::StandardLocation location) {
    const QString folder = QStandardPaths::writableLocation(location);
    return folder.isEmpty() ? folder : WithSlash(folder);
}

} // namespace

ProgramFolders ComputeProgramFolders(const QString &programFolder, bool programFolderWritable) {
    ProgramFolders folders;
    folders.Documents = Location(QStandardPaths::DocumentsLocation);
    if (folders.Documents.isEmpty())
        folders.Documents = WithSlash(QDir::homePath()) + QStringLiteral("Documents/");
    folders.Pictures = Location(QStandardPaths::PicturesLocation);
    if (folders.Pictures.isEmpty())
        folders.Pictures = folders.Documents;
    folders.Save = folders.Documents + QStringLiteral("Dungeon Siege/Save/");
    folders.Program = WithSlash(programFolder.trimmed());
    if (programFolderWritable) {
        folders.Imports = folders.Program + QStringLiteral("Imports/");
        folders.SettingsFile = folders.Program + QStringLiteral("Thalrex.INI");
    } else {
        folders.Imports =
            Location(QStandardPaths::GenericDataLocation) + QStringLiteral("Thalrex/Imports/");
        folders.SettingsFile =
            Location(QStandardPaths::GenericConfigLocation) + QStringLiteral("Thalrex/Thalrex.INI");
    }
    return folders;
}

bool IsWritableFolder(const QString &folder) {
    QTemporaryFile probe(WithSlash(folder) + QStringLiteral(".thalrex-XXXXXX"));
    return probe.open();
}

QString FindSaveFolder(const QString &configured, const QString &documentsSave) {
    const EnvLookup env = [](const char *name) {
        const char *value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return QString::fromStdString(ChooseSaveFolder(configured.toStdString(),
                                                   documentsSave.toStdString(),
                                                   QDir::homePath().toStdString(), env));
}
