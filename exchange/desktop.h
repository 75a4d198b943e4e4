// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The editor's only contact with the desktop: message boxes, pickers, lists, shell open, process
// start and the busy cursor. The program gives its commands the Qt implementation; tests give them
// a scripted one, so every command runs headless and an unexpected prompt fails the test instead of
// blocking it.

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

// A list to choose one item from.
struct ItemChoiceSpec {
    static constexpr int cancelled = -1;
    static constexpr int other = -2; // the other button was pressed

    QString title;     // the dialog's caption
    QString label;     // above the list
    QStringList items; // one line each
    int current = 0;   // the item selected at first
    QString
        otherButton; // a button for something not in the list, e.g. "&Browse..."; none when empty
};

// The application title: the main window's title and the caption of every message box.
QString appTitle();

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
    // The index of the chosen item, ItemChoiceSpec::cancelled, or ItemChoiceSpec::other.
    virtual int chooseItem(const ItemChoiceSpec &choice) = 0;
    // Opens a folder or an address with the desktop's default handler.
    virtual void openUrl(const QUrl &url) = 0;
    // Starts a program with its arguments, detached from any console, in the editor's
    // environment and current folder; with wait, returns once it has ended. False when it
    // could not be started.
    virtual bool startProcess(const QString &program, const QStringList &arguments, bool wait) = 0;
    // Shows or ends the busy cursor; calls nest.
    virtual void setBusy(bool busy) = 0;

    // A message box of the editor, captioned with the application title.
    MsgAnswer show(const QString &text, MsgType type, MsgButtons buttons = MsgButtons::Ok,
                   MsgAnswer defaultAnswer = MsgAnswer::Ok);
};

// The most cautious answer a box offers: OK, else No, else Cancel. Closing a box with Esc or
// its close button gives it.
MsgAnswer cautiousAnswer(MsgButtons buttons);

// Shows the busy cursor for its lifetime, or until restore().
class BusyCursor {
public:
    explicit BusyCursor(Desktop &desktop);
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    void restore();

private:
    Desktop &m_desktop;
    bool m_active = true;
};
