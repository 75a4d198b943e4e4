// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/party_importer.h"
#include "session/game_save_folder.h"

#include <QList>
#include <QString>

#include <vector>

// The saved parties of one save folder, as the Import menu lists them.
struct PartyGroup {
    QString folder;
    QString heading; // the game and the place, see describe()
    QList<SavedParty> parties;
};

// The folders' saved parties, folder by folder; folders without parties are left out.
QList<PartyGroup> partyGroups(const std::vector<GameSaveFolder> &folders);

// Where a new hero's party goes: the folder chosen by hand when it exists; else the folder
// holding the most recently written party; else the first of the folders that exists (an empty
// folder never outranks one holding parties); else documentsSave, which the export creates.
QString defaultSaveFolder(const std::vector<GameSaveFolder> &folders, const QString &chosen,
                          const QString &documentsSave);
