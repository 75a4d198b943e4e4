// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/dsimport.h"
#include "exchange/exchangehost.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;

// The File menu's Import submenu and the import command: saved parties of the save folder, or
// any party file picked with Browse..., unpacked into the imports folder and opened.
class TPartyImport : public QObject {
    Q_OBJECT
public:
    // Fills Import1 with its fixed items and is owned by it; the binding is made for the
    // program folder's library.
    TPartyImport(ExchangeHost &host, const ExchangeFolders &folders, QMenu *Import1);

    TDSImport &binding() { return import; }

    // The Import part of the File menu's opening: enables Import1 and lists the saved parties.
    void RefreshImportMenu();
    void ImportItemClick(QAction *item);
    void Browse1Click();
    // Imports the party file; throws when the library cannot be bound or the hero not opened.
    void ImportParty(const QString &path);
    // The save folder chosen by hand; the next File menu opening lists its parties.
    void SetSaveFolder(const QString &folder) { folders.save = folder; }

    // The party file picker's initial folder, kept in the settings file.
    QString dlgOpenTankInitialDir;

private:
    ExchangeHost &host;
    ExchangeFolders folders;
    TDSImport import;
    QMenu *Import1;
    QAction *N7;
    QAction *Browse1;
};
