// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/party_importer.h"

#include "exchange/desktop.h"
#include "exchange/exchange_host.h"
#include "exchange/kegtap_library.h"
#include "exchange/paths.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <stdexcept>

PartyImporter::PartyImporter(ExchangeHost &host, KegtapLibrary &library)
    : m_host(host), m_library(library) {}

bool PartyImporter::isAvailable() const {
    return m_library.libraryFound();
}

QList<SavedParty> PartyImporter::partiesIn(const QString &folder) {
    QStringList names = QDir(folder).entryList({QStringLiteral("*.dsparty")},
                                               QDir::Files | QDir::Hidden | QDir::System);
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QList<SavedParty> parties;
    for (const QString &name : names)
        parties.append({QFileInfo(name).completeBaseName(), withTrailingSlash(folder) + name});
    return parties;
}

void PartyImporter::browse(QString &pickerFolder) {
    const QString path =
        m_host.desktop().pickFile({QStringLiteral("Select Savegame Tank File"),
                                   QStringLiteral("Savegame (*.dsparty)"), pickerFolder});
    if (path.isEmpty())
        return;
    importParty(path);
    pickerFolder = withTrailingSlash(QFileInfo(path).absolutePath());
}

void PartyImporter::importParty(const QString &path) {
    if (!m_host.askToSave())
        return;
    BusyCursor busy(m_host.desktop());
    const QString name = QFileInfo(path).completeBaseName();
    if (!isSafePathComponent(name))
        throw std::runtime_error(("The party file name \"" + QFileInfo(path).fileName() +
                                  "\" cannot be used as a folder name.")
                                     .toStdString());
    const QString dest = m_host.exchangeFolders().imports + name + '/';
    QDir().mkpath(dest);
    if (!m_library.extract(path, dest)) {
        busy.restore();
        m_host.desktop().show(QStringLiteral("Import failed.\r") + m_library.errorMessage(),
                              MsgType::Error);
        return;
    }
    m_host.openHero(dest);
}
