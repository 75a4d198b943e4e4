// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/partyimport.h"

#include "exchange/accesskeys.h"
#include "exchange/desktop.h"
#include "exchange/kegtap_location.h"
#include "exchange/messages.h"
#include "exchange/paths.h"
#include "exchange/waitcursor.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>
#include <stdexcept>

namespace {
const QString documentsToken = QStringLiteral("<My Documents>/");
}

TPartyImport::TPartyImport(ExchangeHost &host, const ExchangeFolders &folders, QMenu *Import1)
    : QObject(Import1), dlgOpenTankInitialDir(folders.save), host(host), folders(folders),
      import(KegtapLibraryPath(folders.program)), Import1(Import1) {
    N7 = Import1->addSeparator();
    Browse1 = Import1->addAction(QStringLiteral("&Browse..."));
    Browse1->setStatusTip(QStringLiteral("Browse for dsparty file"));
    connect(Browse1, &QAction::triggered, this,
            [this] { this->host.runCommand([this] { Browse1Click(); }); });
}

void TPartyImport::RefreshImportMenu() {
    Import1->menuAction()->setEnabled(import.LibraryFound());
    if (!import.LibraryFound())
        return;

    const QList<QAction *> items = Import1->actions();
    for (qsizetype i = items.indexOf(N7) - 1; i >= 0; --i)
        delete items[i];

    QStringList names =
        QDir(folders.save)
            .entryList({QStringLiteral("*.dsparty")}, QDir::Files | QDir::Hidden | QDir::System);
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QStringList captions;
    for (const QString &name : names)
        captions << QFileInfo(name).completeBaseName();
    captions = withAccessKeys(captions, QStringLiteral("b"));

    for (qsizetype i = 0; i < names.size(); ++i) {
        auto *item = new QAction(captions[i], Import1);
        item->setStatusTip(
            replaceFirst(folders.save + names[i], folders.documents, documentsToken));
        connect(item, &QAction::triggered, this,
                [this, item] { host.runCommand([this, item] { ImportItemClick(item); }); });
        Import1->insertAction(N7, item);
    }
}

void TPartyImport::ImportItemClick(QAction *item) {
    ImportParty(replaceFirst(item->statusTip(), documentsToken, folders.documents));
}

void TPartyImport::Browse1Click() {
    const QString path =
        desktop().pickFile({QStringLiteral("Select Savegame Tank File"),
                            QStringLiteral("Savegame (*.dsparty)"), dlgOpenTankInitialDir});
    if (path.isEmpty())
        return;
    ImportParty(path);
    dlgOpenTankInitialDir = withTrailingSlash(QFileInfo(path).absolutePath());
}

void TPartyImport::ImportParty(const QString &path) {
    if (!host.AskToSave())
        return;
    WaitCursor wait;
    const QString name = QFileInfo(path).completeBaseName();
    if (!isSafePathComponent(name))
        throw std::runtime_error(("The party file name \"" + QFileInfo(path).fileName() +
                                  "\" cannot be used as a folder name.")
                                     .toStdString());
    const QString dest = folders.imports + name + '/';
    QDir().mkpath(dest);
    if (!import.Extract(path, dest)) {
        wait.restore();
        showMessage(QStringLiteral("Import failed.\r") + import.ErrorMessage(), MsgType::Error);
        return;
    }
    host.OpenFolder(dest);
}
