// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/party_folders.h"

#include "hero/recent_heroes.h"

QString PartyFolders::heroFolderOf(const QString &line) {
    return QString::fromStdString(folderFromStored(line.left(line.indexOf('=')).toStdString()));
}

qsizetype PartyFolders::find(const QString &heroFolder) const {
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (heroFolderOf(m_lines[i]) == heroFolder)
            return i;
    return -1;
}

QString PartyFolders::of(const QString &heroFolder) const {
    const qsizetype at = find(heroFolder);
    if (at < 0)
        return {};
    const QString &line = m_lines[at];
    const qsizetype eq = line.indexOf('=');
    return eq < 0 ? QString() : line.mid(eq + 1);
}

void PartyFolders::remember(const QString &heroFolder, const QString &saveFolder) {
    if (const qsizetype at = find(heroFolder); at >= 0)
        m_lines.removeAt(at);
    m_lines.prepend(QString::fromStdString(storedFolder(heroFolder.toStdString())) + '=' +
                    saveFolder);
}

void PartyFolders::removeIf(const std::function<bool(const QString &heroFolder)> &gone) {
    m_lines.removeIf([&](const QString &line) { return gone(heroFolderOf(line)); });
}
