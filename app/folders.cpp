// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folders.h"

#include "app/save_folder_search.h"
#include "exchange/paths.h"
#include "settings/settings_keys.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdlib>

namespace {

QString location(QStandardPaths::StandardLocation location) {
    const QString folder = QStandardPaths::writableLocation(location);
    return folder.isEmpty() ? folder : withTrailingSlash(folder);
}

} // namespace

ProgramFolders computeProgramFolders(const QString &programFolder, bool programFolderWritable) {
    ProgramFolders folders;
    folders.documents = location(QStandardPaths::DocumentsLocation);
    if (folders.documents.isEmpty())
        folders.documents = withTrailingSlash(QDir::homePath()) + QStringLiteral("Documents/");
    folders.pictures = location(QStandardPaths::PicturesLocation);
    if (folders.pictures.isEmpty())
        folders.pictures = folders.documents;
    folders.save = folders.documents + QStringLiteral("Dungeon Siege/Save/");
    folders.program = withTrailingSlash(programFolder.trimmed());
    const QString settingsFile = QLatin1String(SettingsKeys::fileName);
    if (programFolderWritable) {
        folders.imports = folders.program + QStringLiteral("Imports/");
        folders.settingsFile = folders.program + settingsFile;
    } else {
        folders.imports =
            location(QStandardPaths::GenericDataLocation) + QStringLiteral("Thalrex/Imports/");
        folders.settingsFile = location(QStandardPaths::GenericConfigLocation) +
                               QStringLiteral("Thalrex/") + settingsFile;
    }
    return folders;
}

bool isWritableFolder(const QString &folder) {
    QTemporaryFile probe(withTrailingSlash(folder) + QStringLiteral(".thalrex-XXXXXX"));
    return probe.open();
}

QString findSaveFolder(const QString &chosen, const QString &documentsSave) {
    const EnvLookup env = [](const char *name) {
        const char *value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return QString::fromStdString(chooseSaveFolder(
        chosen.toStdString(), documentsSave.toStdString(), QDir::homePath().toStdString(), env));
}
