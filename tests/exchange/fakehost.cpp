// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakehost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempFolders::TempFolders() {
    folders.documents = dir.path() + "/docs/";
    folders.save = folders.documents + "Dungeon Siege/Save/";
    folders.program = dir.path() + "/bin/";
    folders.imports = folders.program + "Imports/";
    QDir().mkpath(folders.save);
    QDir().mkpath(folders.imports);
}

QString TempFolders::write(const QString &relative, const QByteArray &content) const {
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        throw std::runtime_error("cannot write " + file.toStdString());
    return file;
}
