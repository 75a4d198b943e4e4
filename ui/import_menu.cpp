// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/import_menu.h"

#include "exchange/paths.h"
#include "session/editor_session.h"
#include "session/save_folders.h"
#include "ui/access_keys.h"
#include "ui/hints.h"

#include <QAction>
#include <QMenu>

ImportMenu::ImportMenu(QMenu *menu, EditorSession &session)
    : QObject(menu), m_session(session), m_menu(menu) {
    m_separator = menu->addSeparator();
    QAction *browse = menu->addAction(QStringLiteral("&Browse..."));
    browse->setObjectName(QStringLiteral("browsePartyAction"));
    browse->setStatusTip(QStringLiteral("Browse for dsparty file"));
    connect(browse, &QAction::triggered, this, &ImportMenu::browseChosen);
}

void ImportMenu::rebuild() {
    const bool available = m_session.importer().isAvailable();
    m_menu->menuAction()->setEnabled(available);
    if (!available)
        return;

    const QList<QAction *> items = m_menu->actions();
    for (qsizetype i = items.indexOf(m_separator) - 1; i >= 0; --i)
        delete items[i];

    const QList<PartyGroup> groups = partyGroups(m_session.saveFolders());
    const QString &documents = m_session.folders().documents;
    QStringList names;
    for (const PartyGroup &group : groups)
        for (const SavedParty &party : group.parties)
            names << party.name;
    const QStringList captions = withAccessKeys(names, QStringLiteral("b"));
    qsizetype next = 0;
    for (const PartyGroup &group : groups) {
        if (groups.size() > 1) {
            auto *heading = new QAction(QString(group.heading).replace('&', "&&"), m_menu);
            heading->setEnabled(false);
            heading->setStatusTip(pathHint(group.folder, documents));
            m_menu->insertAction(m_separator, heading);
        }
        for (const SavedParty &party : group.parties) {
            auto *item = new QAction(captions[next++], m_menu);
            item->setData(party.file);
            item->setStatusTip(pathHint(party.path, documents));
            connect(item, &QAction::triggered, this,
                    [this, file = party.file] { emit partyChosen(file); });
            m_menu->insertAction(m_separator, item);
        }
    }
}
