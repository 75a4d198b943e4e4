// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchange_host.h"
#include "settings/settings_list.h"
#include "test_desktop.h"

#include <QStringList>
#include <QTemporaryDir>

// A temporary tree: docs/, docs/Dungeon Siege/Save/, bin/, bin/Imports/, and backups/ when
// something is kept there.
struct TempFolders {
    QTemporaryDir dir;
    ExchangeFolders folders;
    QString program;

    TempFolders();
    QString path(const QString &relative) const { return dir.path() + '/' + relative; }
    // Writes a file (and its folders) with the given content; returns its path.
    QString write(const QString &relative, const QByteArray &content) const;
};

// The editor as import and export see it: a hero with a name and folder, the first-run settings
// list and the ask-to-save step. Its Save command asks for a folder like a new hero in advanced
// mode.
class FakeExchangeHost : public ExchangeHost {
public:
    FakeExchangeHost(TestDesktop &desktop, const ExchangeFolders &folders)
        : m_desktop(desktop), m_folders(folders) {}

    bool modified = false;
    bool isNew = false;
    QString name = "Ulf";
    QString folder;
    SettingsList settings;
    bool askToSaveAnswer = true;
    QStringList opened;
    QStringList partyFolders; // "hero folder -> save folder", as the host was told
    int saves = 0;

    Desktop &desktop() override { return m_desktop; }
    bool askToSave() override { return askToSaveAnswer; }
    void openHero(const QString &f) override { opened << f; }
    void saveHero() override;
    void rememberPartyFolder(const QString &heroFolder, const QString &partyFolder) override {
        partyFolders << heroFolder + " -> " + partyFolder;
    }
    bool heroIsModified() const override { return modified; }
    bool heroIsNew() const override { return isNew; }
    QString heroName() const override { return name; }
    QString heroFolder() const override { return folder; }
    SettingsList &settingsList() override { return settings; }
    ExchangeFolders exchangeFolders() const override { return m_folders; }

private:
    TestDesktop &m_desktop;
    ExchangeFolders m_folders;
};
