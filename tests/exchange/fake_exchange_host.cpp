// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_exchange_host.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

TempFolders::TempFolders() {
    folders.documents = dir.path() + "/docs/";
    folders.save = folders.documents + "Dungeon Siege/Save/";
    program = dir.path() + "/bin/";
    folders.imports = program + "Imports/";
    folders.backups = dir.path() + "/backups/";
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

void FakeExchangeHost::saveHero() {
    ++saves;
    if (isNew && m_desktop.pickFolder({"Save hero in folder:", folder, true}).isEmpty())
        return;
    modified = isNew = false;
}
