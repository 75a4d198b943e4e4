#pragma once

#include "exchange/desktop.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>

// Readable Qt strings in failure messages.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *out) {
    *out << '{';
    for (const QString &item : list)
        *out << "\n  \"" << item.toStdString() << '"';
    *out << " }";
}

// A desktop that answers from a script and records what was asked. Message boxes, pickers and
// shell opens take the next scripted answer; one that is not scripted fails the test and gets a
// cancel. Processes really run (synchronously when waited for).
class ScriptedDesktop : public Desktop {
public:
    struct Message {
        QString text;
        QString caption;
        MsgType type;
        MsgButtons buttons;
        MsgAnswer defaultAnswer;
    };
    struct Process {
        QString program;
        QStringList arguments;
    };

    ScriptedDesktop();
    ~ScriptedDesktop() override;

    std::deque<MsgAnswer> answers;
    std::deque<QString> files;
    std::deque<QString> folders;
    // Runs before each message box is answered, e.g. to look at the window state.
    std::function<void(const Message &)> onMessage;

    QList<Message> messages;
    QList<FilePickSpec> filePicks;
    QList<FolderPickSpec> folderPicks;
    QList<Process> processes;

    MsgAnswer message(const QString &text, const QString &caption, MsgType type, MsgButtons buttons,
                      MsgAnswer defaultAnswer) override;
    QString pickFile(const FilePickSpec &pick) override;
    QString pickFolder(const FolderPickSpec &pick) override;
    void openUrl(const QUrl &url) override;
    bool startProcess(const QString &program, const QStringList &arguments, bool wait) override;

    // The texts of the message boxes shown so far.
    QStringList messageTexts() const;

private:
    Desktop *previous;
};
