// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folders.h"

#include "exchange/paths.h"
#include "settings/settings_keys.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

QString location(QStandardPaths::StandardLocation location) {
    return withTrailingSlash(QStandardPaths::writableLocation(location));
}

std::string environment(const char *name) {
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::string homeFolder(const EnvLookup &env) {
    if (std::string home = env("HOME"); !home.empty())
        return home;
    const passwd *account = getpwuid(getuid());
    return account && account->pw_dir ? account->pw_dir : "/";
}

void ensureHomeVariable() {
    if (environment("HOME").empty())
        setenv("HOME", homeFolder(environment).c_str(), 1);
}

bool keepsFilesBesideProgram(const QString &programFolder) {
    const QString folder = withTrailingSlash(QFileInfo(programFolder).canonicalFilePath());
    if (folder.endsWith(QStringLiteral("/" THALREX_INSTALL_PROGRAM_DIR "/")))
        return false;
    return QFileInfo::exists(folder + QStringLiteral("../CMakeCache.txt")) ||
           QFileInfo::exists(folder + QStringLiteral("portable")) ||
           QFileInfo::exists(folder + QLatin1String(SettingsKeys::fileName));
}

ProgramFolders computeProgramFolders(const QString &programFolder, bool besideProgram) {
    ProgramFolders folders;
    folders.documents = location(QStandardPaths::DocumentsLocation);
    if (folders.documents.isEmpty())
        folders.documents = withTrailingSlash(QDir::homePath()) + QStringLiteral("Documents/");
    folders.pictures = location(QStandardPaths::PicturesLocation);
    if (folders.pictures.isEmpty())
        folders.pictures = folders.documents;
    folders.save = folders.documents + QStringLiteral("Dungeon Siege/Save/");
    folders.program = withTrailingSlash(programFolder.trimmed());
    const QString data = location(QStandardPaths::GenericDataLocation) + QStringLiteral("Thalrex/");
    folders.backups = data + QStringLiteral("Backups/");
    const QString settingsFile = QLatin1String(SettingsKeys::fileName);
    if (besideProgram) {
        folders.imports = folders.program + QStringLiteral("Imports/");
        folders.settingsFile = folders.program + settingsFile;
    } else {
        folders.imports = data + QStringLiteral("Imports/");
        folders.settingsFile = location(QStandardPaths::GenericConfigLocation) +
                               QStringLiteral("Thalrex/") + settingsFile;
    }
    return folders;
}

std::vector<GameSaveFolder> findSaveFolders(const QString &documents) {
    return findGameSaveFolders(QFile::encodeName(QDir::homePath()).toStdString(),
                               QFile::encodeName(documents).toStdString(), environment);
}
