// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/party_backups.h"

#include "exchange/export_staging.h"
#include "exchange/game_text.h"
#include "exchange/kegtap_library.h"
#include "exchange/paths.h"
#include "gas/gas_document.h"
#include "hero/experience.h"
#include "hero/hero_values.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <stdexcept>

namespace {

const QString partyExtension = QStringLiteral(".dsparty");
const QString noteExtension = QStringLiteral(".origin");

[[noreturn]] void fail(const QString &message) {
    throw std::runtime_error(message.toStdString());
}

QString noteOf(const QString &backup) {
    return backup.chopped(partyExtension.size()) + noteExtension;
}

// The backups of one party's folder, newest first: their names hold the time they were made.
QStringList backupsIn(const QString &partyFolder) {
    QStringList names =
        QDir(partyFolder)
            .entryList({QLatin1Char('*') + partyExtension}, QDir::Files | QDir::Hidden, QDir::Name);
    std::reverse(names.begin(), names.end());
    return names;
}

} // namespace

PartyBackups::PartyBackups(const QString &folder) : m_folder(withTrailingSlash(folder)) {}

void PartyBackups::keep(const QString &partyFile, const QDateTime &now) {
    if (m_folder.isEmpty())
        fail(QStringLiteral("There is no folder to keep a backup of %1 in.").arg(partyFile));
    const QString name = QFileInfo(partyFile).completeBaseName();
    const QString folder = m_folder + name + QLatin1Char('/');
    if (!QDir().mkpath(folder))
        fail(QStringLiteral("Cannot create the backup folder %1.").arg(folder));
    // Two backups within one second are told apart by a number.
    const QString base =
        folder + name + QLatin1Char(' ') + now.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    QString backup = base + partyExtension;
    for (int n = 2; QFileInfo::exists(backup); ++n)
        backup = base + QLatin1Char('_') + QString::number(n) + partyExtension;
    QFile note(noteOf(backup));
    if (!copyFile(partyFile, backup) || !note.open(QIODevice::WriteOnly) ||
        note.write(QFile::encodeName(QFileInfo(partyFile).absoluteFilePath()) + '\n') < 0 ||
        !note.flush()) {
        QFile::remove(backup);
        note.remove();
        fail(QStringLiteral("Cannot copy %1 to %2.").arg(partyFile, backup));
    }
    const QStringList kept = backupsIn(folder);
    for (qsizetype i = keptPerParty; i < kept.size(); ++i) {
        QFile::remove(folder + kept[i]);
        QFile::remove(noteOf(folder + kept[i]));
    }
}

QList<PartyBackup> PartyBackups::all() const {
    QList<PartyBackup> backups;
    if (m_folder.isEmpty())
        return backups;
    for (const QString &name : QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = m_folder + name + QLatin1Char('/');
        for (const QString &file : backupsIn(folder)) {
            PartyBackup backup;
            backup.file = folder + file;
            backup.partyName = name;
            const QString made = file.chopped(partyExtension.size()).mid(name.size() + 1);
            backup.made = file.startsWith(name + QLatin1Char(' ')) ? made.left(19) : QString();
            QFile note(noteOf(backup.file));
            if (note.open(QIODevice::ReadOnly))
                backup.original = QFile::decodeName(note.readLine().trimmed());
            backups.append(backup);
        }
    }
    std::stable_sort(backups.begin(), backups.end(),
                     [](const PartyBackup &a, const PartyBackup &b) { return a.made > b.made; });
    return backups;
}

void replacePartyFile(PartyBackups &backups, const QString &newContent, const QString &partyFile) {
    QFile source(newContent);
    if (!source.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot read %1.").arg(newContent));
    const QByteArray content = source.readAll();
    if (source.error() != QFileDevice::NoError)
        fail(QStringLiteral("Cannot read %1.").arg(newContent));
    if (QFileInfo::exists(partyFile))
        backups.keep(partyFile);
    QSaveFile target(partyFile);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size() ||
        !target.commit())
        fail(QStringLiteral("Cannot write %1: %2").arg(partyFile, target.errorString()));
}

QString describeParty(KegtapLibrary &kegtap, const QString &partyFile) {
    try {
        for (const TankFile &file : kegtap.readFiles(partyFile)) {
            if (file.path.compare(QStringLiteral("Party.gas"), Qt::CaseInsensitive) != 0)
                continue;
            GasDocument party;
            party.setLines(std::string_view(file.content.constData(), size_t(file.content.size())));
            party.load();
            const HeroValues values = readHeroValues(party);
            return fromGameText(values.name) + QStringLiteral(", level ") +
                   QString::number(levelForExperience(0, values.uberExperience));
        }
    } catch (const std::exception &) {
        // Told below like a party without a hero.
    }
    return QStringLiteral("(cannot be read)");
}
