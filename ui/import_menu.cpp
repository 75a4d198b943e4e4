// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/import_menu.h"

#include "exchange/paths.h"
#include "session/editor_session.h"
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

    const QList<SavedParty> parties = PartyImporter::partiesIn(m_session.saveFolder());
    QStringList names;
    for (const SavedParty &party : parties)
        names << party.name;
    const QStringList captions = withAccessKeys(names, QStringLiteral("b"));
    for (qsizetype i = 0; i < parties.size(); ++i) {
        auto *item = new QAction(captions[i], m_menu);
        item->setData(parties[i].path);
        item->setStatusTip(pathHint(parties[i].path, m_session.folders().documents));
        connect(item, &QAction::triggered, this,
                [this, path = parties[i].path] { emit partyChosen(path); });
        m_menu->insertAction(m_separator, item);
    }
}
