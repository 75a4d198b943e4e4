// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>

class EditorSession;
class QAction;
class QMenu;

// The File menu's Import submenu: one item per saved party of the game's save folders (the party
// file's path in the item's data), then a separator and Browse.... When more than one folder
// holds parties, each folder's parties stand under a disabled heading naming the game and the
// place. Without the extraction library the submenu is disabled.
class ImportMenu : public QObject {
    Q_OBJECT
public:
    // Fills the menu with its fixed items and is owned by it.
    ImportMenu(QMenu *menu, EditorSession &session);

    // Lists the save folders' parties anew.
    void rebuild();

signals:
    // The party file's path as the file system names it.
    void partyChosen(const QByteArray &file);
    void browseChosen();

private:
    EditorSession &m_session;
    QMenu *m_menu;
    QAction *m_separator;
};
