// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class EditorSession;
class QAction;
class QMenu;

// The File menu's Import submenu: one item per saved party of the save folder (the party's path
// in the item's data), then a separator and Browse.... Without the extraction library the
// submenu is disabled.
class ImportMenu : public QObject {
    Q_OBJECT
public:
    // Fills the menu with its fixed items and is owned by it.
    ImportMenu(QMenu *menu, EditorSession &session);

    // Lists the save folder's parties anew.
    void rebuild();

signals:
    void partyChosen(const QString &path);
    void browseChosen();

private:
    EditorSession &m_session;
    QMenu *m_menu;
    QAction *m_separator;
};
