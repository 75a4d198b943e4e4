// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

// The program-wide folders import and export work with, each with a trailing "/".
struct ExchangeFolders {
    QString documents;
    QString save;
    QString program;
    QString imports;
};

// What import and export need from the main window: its ask-to-save step and Save command, the
// hero it owns, and its settings list.
class ExchangeHost {
public:
    virtual ~ExchangeHost() = default;

    // False when the user cancels; may save the hero first.
    virtual bool AskToSave() = 0;
    // Opens the hero folder as the current hero; throws on failure.
    virtual void OpenFolder(const QString &folder) = 0;
    // The Save command; may ask for a folder and leave the hero unsaved.
    virtual void Save1Click() = 0;

    virtual bool Modified() const = 0;
    virtual bool IsNew() const = 0;
    virtual QString HeroName() const = 0;
    // The hero folder, with a trailing "/".
    virtual QString Folder() const = 0;

    // The settings list: an absent key reads as an empty value.
    virtual QString setting(const QString &key) const = 0;
    virtual void setSetting(const QString &key, const QString &value) = 0;

    // The window dialogs are centred on.
    virtual QWidget *window() = 0;

    // Runs a menu command; an error it raises is shown in an error message box.
    virtual void runCommand(const std::function<void()> &command);
};
