// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class ExchangeHost;
class KegtapLibrary;

// A saved party file found in a folder.
struct SavedParty {
    QString name;      // the file name without its extension, as shownFileName shows it
    QString path;      // the folder and that name, for showing
    QByteArray file;   // the path as the file system names it
    QDateTime written; // its last-write time
};

// The import command: a saved party, or any party file picked with Browse..., unpacked into the
// imports folder and opened.
class PartyImporter {
public:
    PartyImporter(ExchangeHost &host, KegtapLibrary &library);

    // Whether the extraction library was there at start-up; without it nothing can be imported.
    bool isAvailable() const;
    // The party files of the folder, whatever bytes name them, sorted by name without regard to
    // case.
    static QList<SavedParty> partiesIn(const QString &folder);
    // Browse...: lets the user pick a party file, starting in pickerFolder, and imports it;
    // pickerFolder becomes the chosen file's folder once it is imported.
    void browse(QString &pickerFolder);
    // Imports the party file (its path as the file system names it) and tells the host which
    // folder the party came from; throws when the library cannot be bound or the hero not opened.
    void importParty(const QByteArray &file);

private:
    ExchangeHost &m_host;
    KegtapLibrary &m_library;
};
