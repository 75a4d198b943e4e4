// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/desktop.h"
#include "qtprint.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// The one Desktop of every test. It installs itself for its lifetime and answers prompts from a
// script of expectations, in order. A prompt the script does not expect fails the running test
// and gets the most cautious answer (Cancel, No, or nothing picked), so nothing ever blocks.
// Expectations left unanswered when it is destroyed fail the test too.
class TestDesktop : public Desktop {
public:
    enum class Kind { Message, File, Folder };

    struct Prompt {
        Kind kind = Kind::Message;
        QString text; // message text, picker title or folder label
        QString caption;
        MsgType type = MsgType::Information;
        MsgButtons buttons = MsgButtons::Ok;
        MsgAnswer defaultAnswer = MsgAnswer::Ok;
        FilePickSpec file;
        FolderPickSpec folder;
    };

    struct ProcessStart {
        QString program;
        QStringList arguments;
        bool wait = false;
    };

    TestDesktop();
    ~TestDesktop() override;
    TestDesktop(const TestDesktop &) = delete;
    TestDesktop &operator=(const TestDesktop &) = delete;

    // The next prompt must be a message box with exactly this text.
    TestDesktop &ExpectMessage(const QString &text, MsgAnswer answer);
    // The next prompt must be a message box whose text contains the fragment.
    TestDesktop &ExpectMessageContaining(const QString &fragment, MsgAnswer answer);
    // The next prompt must be a file picker; answer is the chosen file, empty to cancel.
    TestDesktop &ExpectFilePick(const QString &answer);
    // The next prompt must be a folder picker; answer is the chosen folder, empty to cancel.
    TestDesktop &ExpectFolderPick(const QString &answer);
    // Process starts are answered by this handler; without one a start fails the test.
    void OnProcessStart(std::function<bool(const ProcessStart &)> handler);
    // Process starts really run the program, to its end when waited for.
    void RunProcesses();

    // Everything that happened, in order.
    const std::vector<Prompt> &Prompts() const { return prompts; }
    // The prompts of one kind, in order.
    std::vector<Prompt> Prompts(Kind kind) const;
    // The texts of the message boxes, in order.
    QStringList MessageTexts() const;
    const std::vector<QUrl> &OpenedUrls() const { return urls; }
    const std::vector<ProcessStart> &ProcessStarts() const { return processes; }
    bool AllAnswered() const { return script.empty(); }

    MsgAnswer message(const QString &text, const QString &caption, MsgType type, MsgButtons buttons,
                      MsgAnswer defaultAnswer) override;
    QString pickFile(const FilePickSpec &pick) override;
    QString pickFolder(const FolderPickSpec &pick) override;
    void openUrl(const QUrl &url) override;
    bool startProcess(const QString &program, const QStringList &arguments, bool wait) override;

private:
    struct Expectation {
        Kind kind;
        QString text;
        bool exact;
        MsgAnswer answer;
        QString picked;
    };

    // The expectation that matches the prompt, consumed; null (and the test failed) otherwise.
    const Expectation *Take(const Prompt &prompt);
    // The scripted pick for a file or folder picker; empty when none matches.
    QString Picked(Kind kind, const QString &title, const FilePickSpec &file,
                   const FolderPickSpec &folder);

    Desktop *previous;
    std::deque<Expectation> script;
    Expectation taken;
    std::vector<Prompt> prompts;
    std::vector<QUrl> urls;
    std::vector<ProcessStart> processes;
    std::function<bool(const ProcessStart &)> processHandler;
};
