// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The editor's only contact with the desktop: message boxes, pickers, shell open and process
// start. The program installs the Qt implementation; tests install a scripted one, so every
// command runs headless and an unexpected prompt fails the test instead of blocking it.

enum class MsgType { Information, Warning, Error };
enum class MsgButtons { Ok, YesNo, YesCancel, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct FilePickSpec {
    QString title;
    QString filter;        // Qt form, e.g. "Savegame (*.dsparty)"
    QString initialFolder; // may be empty
    bool preview = false;  // a picture preview pane
};

struct FolderPickSpec {
    QString label;   // shown as the dialog's title
    QString initial; // initial selection
    bool newFolder = true;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box; a "\r" in the text breaks the line.
    virtual MsgAnswer message(const QString &text, const QString &caption, MsgType type,
                              MsgButtons buttons, MsgAnswer defaultAnswer) = 0;
    // The chosen file, or an empty string when the user cancels.
    virtual QString pickFile(const FilePickSpec &pick) = 0;
    // The chosen folder, or an empty string when the user cancels.
    virtual QString pickFolder(const FolderPickSpec &pick) = 0;
    // Opens a folder or an address with the desktop's default handler.
    virtual void openUrl(const QUrl &url) = 0;
    // Starts a program with its arguments, detached from any console, in the editor's
    // environment and current folder; with wait, returns once it has ended. False when it
    // could not be started.
    virtual bool startProcess(const QString &program, const QStringList &arguments, bool wait) = 0;
};

// The most cautious answer a box offers: OK, else No, else Cancel. Closing a box with Esc or
// its close button gives it.
MsgAnswer CautiousAnswer(MsgButtons buttons);

// The installed desktop; throws std::logic_error when none is installed.
Desktop &desktop();
// Installs a desktop (not owned); nullptr uninstalls. Returns the previous one.
Desktop *setDesktop(Desktop *desktop);
