// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Desktop;
class SettingsList;

// The folders import and export work with, each with a trailing "/".
struct ExchangeFolders {
    QString documents; // the user's documents folder
    QString save;      // the game's save folder the current hero's party goes to
    QString imports;   // every import is unpacked into a subfolder of it
    QString backups;   // the party files export and restore replace are kept below it
};

// What import and export need from the editor: its desktop, the ask-to-save step and Save
// command, the hero's state, the settings list and the folders.
class ExchangeHost {
public:
    virtual ~ExchangeHost() = default;

    virtual Desktop &desktop() = 0;
    // False when the user cancels; may save the hero first.
    virtual bool askToSave() = 0;
    // Opens the hero folder as the current hero; throws on failure.
    virtual void openHero(const QString &folder) = 0;
    // The Save command; may ask for a folder and leave the hero unsaved.
    virtual void saveHero() = 0;
    // The hero folder's party lies in the save folder partyFolder: it was imported from there,
    // or exported there. Its later exports go there.
    virtual void rememberPartyFolder(const QString &heroFolder, const QString &partyFolder) = 0;

    virtual bool heroIsModified() const = 0;
    virtual bool heroIsNew() const = 0;
    virtual QString heroName() const = 0;
    // The hero folder, with a trailing "/".
    virtual QString heroFolder() const = 0;

    // The settings list: an absent key reads as an empty value.
    virtual SettingsList &settingsList() = 0;
    virtual ExchangeFolders exchangeFolders() const = 0;
};
