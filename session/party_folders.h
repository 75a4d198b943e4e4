// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Which save folder each hero folder's party lies in, newest first, kept as the settings file's
// folder=save folder lines (the folder as storedFolder writes it). Folders are told apart
// exactly.
class PartyFolders {
public:
    const QStringList &lines() const { return m_lines; }
    void setLines(const QStringList &lines) { m_lines = lines; }

    // The save folder of the hero folder's party; empty when it is not known.
    QString of(const QString &heroFolder) const;
    void remember(const QString &heroFolder, const QString &saveFolder);
    // Drops every hero whose folder the predicate says is gone.
    void removeIf(const std::function<bool(const QString &heroFolder)> &gone);

private:
    qsizetype find(const QString &heroFolder) const;
    static QString heroFolderOf(const QString &line);

    QStringList m_lines;
};
