// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/save_folders.h"

#include "exchange/paths.h"

#include <QFileInfo>

QList<PartyGroup> partyGroups(const std::vector<GameSaveFolder> &folders) {
    QList<PartyGroup> groups;
    for (const GameSaveFolder &folder : folders) {
        const QString path = QString::fromStdString(folder.folder);
        QList<SavedParty> parties = PartyImporter::partiesIn(path);
        if (!parties.isEmpty())
            groups.append({path, QString::fromStdString(describe(folder)), std::move(parties)});
    }
    return groups;
}

QString defaultSaveFolder(const std::vector<GameSaveFolder> &folders, const QString &chosen,
                          const QString &documentsSave) {
    if (!chosen.isEmpty() && QFileInfo(chosen).isDir())
        return withTrailingSlash(chosen);
    QString newestFolder;
    QDateTime newest;
    for (const PartyGroup &group : partyGroups(folders))
        for (const SavedParty &party : group.parties)
            if (newestFolder.isEmpty() || party.written > newest) {
                newestFolder = group.folder;
                newest = party.written;
            }
    if (!newestFolder.isEmpty())
        return newestFolder;
    for (const GameSaveFolder &folder : folders)
        if (QFileInfo(QString::fromStdString(folder.folder)).isDir())
            return QString::fromStdString(folder.folder);
    return documentsSave;
}
