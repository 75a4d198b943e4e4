// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchange_host.h"
#include "exchange/kegtap_library.h"
#include "exchange/party_exporter.h"
#include "exchange/party_importer.h"
#include "hero/hero.h"
#include "session/game_save_folder.h"
#include "session/party_folders.h"
#include "session/program_folders.h"
#include "settings/settings_file.h"
#include "settings/settings_list.h"

#include <QString>

#include <functional>
#include <vector>

// Everything the editor holds for one run: the hero, the settings (the stored settings and the
// settings list), the folders, the game's save folders, the extraction library and the import
// and export commands, and the commands on the hero that need no window. Its prompts go through
// the desktop it is given.
class EditorSession : public ExchangeHost {
public:
    // Finds the game's save folders on this computer, once at start-up.
    using SaveFolderFinder = std::function<std::vector<GameSaveFolder>()>;

    // Reads the settings file and finds the save folders. Without a finder only the documents
    // folder's save folders, and the one chosen by hand, are known.
    EditorSession(const ProgramFolders &folders, Desktop &desktop,
                  const SaveFolderFinder &findSaveFolders = {});
    ~EditorSession() override;
    EditorSession(const EditorSession &) = delete;
    EditorSession &operator=(const EditorSession &) = delete;

    Hero &hero() { return m_hero; }
    const Hero &hero() const { return m_hero; }
    const ProgramFolders &folders() const { return m_folders; }
    // What the settings file keeps besides the hero's folder, the recent heroes and the settings
    // list, which live in the hero and the list.
    StoredSettings &settings() { return m_settings; }
    KegtapLibrary &kegtap() { return m_kegtap; }
    PartyImporter &importer() { return m_importer; }
    PartyExporter &exporter() { return m_exporter; }

    // Every save folder the Import menu lists: those found at start-up, the documents folder's
    // and the one chosen by hand, each once and only while it exists.
    std::vector<GameSaveFolder> saveFolders() const;
    // Where a new hero's party goes (see the free function of that name).
    QString defaultSaveFolder() const;
    // Where the current hero's party goes, with a trailing "/": the folder its party came from
    // or was last exported to while that exists, else the default.
    QString saveFolder() const;
    // Makes the folder the one for new heroes, kept in the settings; an empty folder leaves the
    // choice to the editor again.
    void setSaveFolder(const QString &folder);

    // Once the window shows: forgets recent heroes whose folders are gone, starts a new hero and
    // names the bundled Tank Creator when no location is kept.
    void start();
    // Writes the settings file; false when it cannot be written.
    bool writeSettings();

    // The commands on the hero.
    void newHero();
    void openHero(); // asks for the folder
    void openRecentHero(const QString &folder);
    void revertHero();
    bool canRevert() const;
    void saveHeroAs();
    void undoAdjustment();
    // Farmer: every attribute and skill to its minimum, after a warning for a hero from a file.
    void resetToMinimum();
    // Help > Save Folder...: offers the save folders, and Browse... for any other.
    void chooseSaveFolder();
    // File > Restore Backup...: offers the kept party files and puts the chosen one back.
    void restoreBackup();
    // What the command line names: a hero folder to open, or a party file to import (its path as
    // the file system names it).
    void openFromCommandLine(const QByteArray &path);

    // What import and export use.
    Desktop &desktop() override { return m_desktop; }
    bool askToSave() override;
    void openHero(const QString &folder) override;
    void saveHero() override;
    void rememberPartyFolder(const QString &heroFolder, const QString &partyFolder) override;
    bool heroIsModified() const override;
    bool heroIsNew() const override;
    QString heroName() const override;
    QString heroFolder() const override;
    SettingsList &settingsList() override { return m_settingsList; }
    ExchangeFolders exchangeFolders() const override;

private:
    QString browseFolder(const QString &label);
    std::optional<ModelClothes> clothesOf(const std::string &model) const;
    void readSettings();

    ProgramFolders m_folders;
    Desktop &m_desktop;
    StoredSettings m_settings;
    SettingsList m_settingsList;
    std::vector<GameSaveFolder> m_foundSaveFolders;
    PartyFolders m_partyFolders;
    Hero m_hero;
    KegtapLibrary m_kegtap;
    PartyImporter m_importer;
    PartyExporter m_exporter;
};
