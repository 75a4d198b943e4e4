// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/desktop.h"
#include "qtprint.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// The one Desktop of every test. It answers prompts from a script of expectations, in order. A
// prompt the script does not expect fails the running test and gets the most cautious answer
// (Cancel, No, or nothing picked), so nothing ever blocks.
// Expectations left unanswered when it is destroyed fail the test too.
class TestDesktop : public Desktop {
public:
    enum class Kind { Message, File, Folder, Choice };

    struct Prompt {
        Kind kind = Kind::Message;
        QString text; // message text, picker title or folder label
        QString caption;
        MsgType type = MsgType::Information;
        MsgButtons buttons = MsgButtons::Ok;
        MsgAnswer defaultAnswer = MsgAnswer::Ok;
        FilePickSpec file;
        FolderPickSpec folder;
        ItemChoiceSpec choice;
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
    TestDesktop &expectMessage(const QString &text, MsgAnswer answer);
    // The next prompt must be a message box whose text contains the fragment.
    TestDesktop &expectMessageContaining(const QString &fragment, MsgAnswer answer);
    // The next prompt must be a file picker; answer is the chosen file, empty to cancel.
    TestDesktop &expectFilePick(const QString &answer);
    // The next prompt must be a folder picker; answer is the chosen folder, empty to cancel.
    TestDesktop &expectFolderPick(const QString &answer);
    // The next prompt must be a list to choose from; answer is the chosen index,
    // ItemChoiceSpec::cancelled or ItemChoiceSpec::other.
    TestDesktop &expectChoice(int answer);
    // Process starts are answered by this handler; without one a start fails the test.
    void onProcessStart(std::function<bool(const ProcessStart &)> handler);
    // Process starts really run the program, to its end when waited for.
    void runProcesses();

    // Everything that happened, in order.
    const std::vector<Prompt> &prompts() const { return m_prompts; }
    // The prompts of one kind, in order.
    std::vector<Prompt> prompts(Kind kind) const;
    // The texts of the message boxes, in order.
    QStringList messageTexts() const;
    const std::vector<QUrl> &openedUrls() const { return m_urls; }
    const std::vector<ProcessStart> &processStarts() const { return m_processes; }
    bool allAnswered() const { return m_script.empty(); }
    // How many busy cursors are showing: 0 once every command has ended.
    int busyDepth() const { return m_busyDepth; }

    MsgAnswer message(const QString &text, const QString &caption, MsgType type, MsgButtons buttons,
                      MsgAnswer defaultAnswer) override;
    QString pickFile(const FilePickSpec &pick) override;
    QString pickFolder(const FolderPickSpec &pick) override;
    int chooseItem(const ItemChoiceSpec &choice) override;
    void openUrl(const QUrl &url) override;
    bool startProcess(const QString &program, const QStringList &arguments, bool wait) override;
    void setBusy(bool busy) override;

private:
    struct Expectation {
        Kind kind;
        QString text;
        bool exact;
        MsgAnswer answer;
        QString picked;
        int chosen = ItemChoiceSpec::cancelled;
    };

    // The expectation that matches the prompt, consumed; null (and the test failed) otherwise.
    const Expectation *take(const Prompt &prompt);
    // The scripted pick for a file or folder picker; empty when none matches.
    QString picked(Kind kind, const QString &title, const FilePickSpec &file,
                   const FolderPickSpec &folder);

    int m_busyDepth = 0;
    std::deque<Expectation> m_script;
    Expectation m_taken;
    std::vector<Prompt> m_prompts;
    std::vector<QUrl> m_urls;
    std::vector<ProcessStart> m_processes;
    std::function<bool(const ProcessStart &)> m_processHandler;
};
