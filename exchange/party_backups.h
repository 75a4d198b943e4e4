// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class KegtapLibrary;

// A copy of a party file, kept before an export or a restore replaced it.
struct PartyBackup {
    QString file;      // the copy
    QString partyName; // the party file's name without ".dsparty"
    QString made;      // when the copy was made: "YYYY-MM-DD HH-MM-SS", as its name has it
    QString original;  // the party file it was made of; empty when not known
};

// The kept party files: <folder>/<party name>/<party name> <YYYY-MM-DD HH-MM-SS>.dsparty, each
// with a note of the party file it came from (the same name ending in ".origin"); the newest
// keptPerParty of each party.
class PartyBackups {
public:
    static constexpr int keptPerParty = 20;

    // The folder holding the backups, with a trailing "/".
    explicit PartyBackups(const QString &folder);

    // Copies the party file into the backups, made at the given time, and drops that party's
    // oldest beyond keptPerParty. Throws std::runtime_error when the copy cannot be made.
    void keep(const QString &partyFile, const QDateTime &now = QDateTime::currentDateTime());
    // Every backup, newest first.
    QList<PartyBackup> all() const;

private:
    QString m_folder;
};

// Puts the file's content in place of the party file in one step, so that the party file is
// whole, old or new, whatever happens; an existing party file is kept in the backups first.
// Throws std::runtime_error when either fails; the party file is then unchanged.
void replacePartyFile(PartyBackups &backups, const QString &newContent, const QString &partyFile);

// The hero a party file holds, as the restore list shows it: "Ulf, level 12"; "(cannot be read)"
// when it cannot be unpacked or read. Asks nothing.
QString describeParty(KegtapLibrary &kegtap, const QString &partyFile);
