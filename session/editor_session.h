// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchange_host.h"
#include "exchange/kegtap_library.h"
#include "exchange/party_exporter.h"
#include "exchange/party_importer.h"
#include "hero/hero.h"
#include "session/program_folders.h"
#include "settings/settings_file.h"
#include "settings/settings_list.h"

#include <QString>

#include <functional>

// Everything the editor holds for one run: the hero, the settings (the stored settings and the
// settings list), the folders, the game's save folder in use, the extraction library and the
// import and export commands, and the commands on the hero that need no window. Its prompts go
// through the desktop it is given.
class EditorSession : public ExchangeHost {
public:
    // Picks the save folder in use at start-up from the one chosen by hand (empty when none was).
    using SaveFolderFinder = std::function<QString(const QString &chosen)>;

    // Reads the settings file. Without a finder the save folder in use is folders.save, or the
    // folder chosen by hand.
    EditorSession(const ProgramFolders &folders, Desktop &desktop,
                  const SaveFolderFinder &findSaveFolder = {});
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

    // The game's save folder in use, with a trailing "/".
    const QString &saveFolder() const { return m_saveFolder; }
    // Makes the folder the save folder of import, export and new heroes, kept in the settings.
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
    // Help > Save Folder...: asks for the folder.
    void chooseSaveFolder();

    // What import and export use.
    Desktop &desktop() override { return m_desktop; }
    bool askToSave() override;
    void openHero(const QString &folder) override;
    void saveHero() override;
    bool heroIsModified() const override;
    bool heroIsNew() const override;
    QString heroName() const override;
    QString heroFolder() const override;
    SettingsList &settingsList() override { return m_settingsList; }
    ExchangeFolders exchangeFolders() const override;

private:
    QString browseFolder(const QString &label);
    std::optional<ModelClothes> clothesOf(const std::string &model) const;
    void readSettings(const SaveFolderFinder &findSaveFolder);

    ProgramFolders m_folders;
    Desktop &m_desktop;
    StoredSettings m_settings;
    SettingsList m_settingsList;
    QString m_saveFolder;
    Hero m_hero;
    KegtapLibrary m_kegtap;
    PartyImporter m_importer;
    PartyExporter m_exporter;
};
