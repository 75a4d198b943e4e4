// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/party_importer.h"

#include "exchange/desktop.h"
#include "exchange/exchange_host.h"
#include "exchange/game_text.h"
#include "exchange/kegtap_library.h"
#include "exchange/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

const char partyExtension[] = ".dsparty";

bool isPartyName(const std::string &name) {
    const size_t length = sizeof partyExtension - 1;
    return name.size() > length &&
           std::equal(name.end() - length, name.end(), partyExtension, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

} // namespace

PartyImporter::PartyImporter(ExchangeHost &host, KegtapLibrary &library)
    : m_host(host), m_library(library) {}

bool PartyImporter::isAvailable() const {
    return m_library.libraryFound();
}

QList<SavedParty> PartyImporter::partiesIn(const QString &folder) {
    // Listed here rather than with QDir, which leaves out names that are not UTF-8.
    QList<SavedParty> parties;
    std::error_code error;
    for (fs::directory_iterator it(QFile::encodeName(folder).toStdString(), error), end;
         !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code statError;
        if (!isPartyName(name) || !fs::is_regular_file(it->path(), statError))
            continue;
        SavedParty party;
        const QString shown = shownFileName(name);
        party.name = shown.chopped(static_cast<qsizetype>(sizeof partyExtension - 1));
        party.path = withTrailingSlash(folder) + shown;
        party.file = QByteArray::fromStdString(it->path().string());
        const fs::file_time_type written = fs::last_write_time(it->path(), statError);
        if (!statError)
            party.written = QDateTime::fromMSecsSinceEpoch(
                std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::file_clock::to_sys(written).time_since_epoch())
                    .count());
        parties.append(party);
    }
    std::stable_sort(parties.begin(), parties.end(), [](const SavedParty &a, const SavedParty &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return parties;
}

void PartyImporter::browse(QString &pickerFolder) {
    const QString path =
        m_host.desktop().pickFile({QStringLiteral("Select Savegame Tank File"),
                                   QStringLiteral("Savegame (*.dsparty)"), pickerFolder});
    if (path.isEmpty())
        return;
    importParty(QFile::encodeName(path));
    pickerFolder = withTrailingSlash(QFileInfo(path).absolutePath());
}

void PartyImporter::importParty(const QByteArray &file) {
    if (!m_host.askToSave())
        return;
    BusyCursor busy(m_host.desktop());
    const fs::path path(file.toStdString());
    const QString fileName = shownFileName(path.filename().string());
    const QString name = shownFileName(path.stem().string());
    if (!isSafePathComponent(name))
        throw std::runtime_error(
            ("The party file name \"" + fileName + "\" cannot be used as a folder name.")
                .toStdString());
    const QString dest = m_host.exchangeFolders().imports + name + '/';
    QDir().mkpath(dest);
    if (!m_library.extract(file, dest)) {
        busy.restore();
        m_host.desktop().show(QStringLiteral("Import failed.\r") + m_library.errorMessage(),
                              MsgType::Error);
        return;
    }
    m_host.openHero(dest);
    m_host.rememberPartyFolder(dest, withTrailingSlash(QFile::decodeName(QByteArray::fromStdString(
                                         fs::absolute(path).parent_path().string()))));
}
