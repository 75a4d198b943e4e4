// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_desktop.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

const char *kindName(TestDesktop::Kind kind) {
    switch (kind) {
    case TestDesktop::Kind::Message:
        return "message box";
    case TestDesktop::Kind::File:
        return "file picker";
    case TestDesktop::Kind::Folder:
        return "folder picker";
    case TestDesktop::Kind::Choice:
        return "list";
    }
    return "prompt";
}

bool allows(MsgButtons buttons, MsgAnswer answer) {
    switch (buttons) {
    case MsgButtons::Ok:
        return answer == MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return answer == MsgAnswer::Yes || answer == MsgAnswer::No;
    case MsgButtons::YesCancel:
        return answer == MsgAnswer::Yes || answer == MsgAnswer::Cancel;
    case MsgButtons::YesNoCancel:
        return answer == MsgAnswer::Yes || answer == MsgAnswer::No || answer == MsgAnswer::Cancel;
    }
    return false;
}

} // namespace

TestDesktop::TestDesktop() = default;

TestDesktop::~TestDesktop() {
    for (const Expectation &e : m_script)
        ADD_FAILURE() << "Expected " << kindName(e.kind) << " never came: " << e.text.toStdString();
}

TestDesktop &TestDesktop::expectMessage(const QString &text, MsgAnswer answer) {
    m_script.push_back({Kind::Message, text, true, answer, {}, ItemChoiceSpec::cancelled});
    return *this;
}

TestDesktop &TestDesktop::expectMessageContaining(const QString &fragment, MsgAnswer answer) {
    m_script.push_back({Kind::Message, fragment, false, answer, {}, ItemChoiceSpec::cancelled});
    return *this;
}

TestDesktop &TestDesktop::expectFilePick(const QString &answer) {
    m_script.push_back({Kind::File, {}, false, MsgAnswer::Ok, answer, ItemChoiceSpec::cancelled});
    return *this;
}

TestDesktop &TestDesktop::expectFolderPick(const QString &answer) {
    m_script.push_back({Kind::Folder, {}, false, MsgAnswer::Ok, answer, ItemChoiceSpec::cancelled});
    return *this;
}

TestDesktop &TestDesktop::expectChoice(int answer) {
    m_script.push_back({Kind::Choice, {}, false, MsgAnswer::Ok, {}, answer});
    return *this;
}

void TestDesktop::onProcessStart(std::function<bool(const ProcessStart &)> handler) {
    m_processHandler = std::move(handler);
}

void TestDesktop::runProcesses() {
    m_processHandler = [](const ProcessStart &start) {
        if (!start.wait)
            return QProcess::startDetached(start.program, start.arguments);
        QProcess process;
        process.start(start.program, start.arguments);
        if (!process.waitForStarted())
            return false;
        process.waitForFinished(-1);
        return true;
    };
}

std::vector<TestDesktop::Prompt> TestDesktop::prompts(Kind kind) const {
    std::vector<Prompt> ofKind;
    for (const Prompt &prompt : m_prompts)
        if (prompt.kind == kind)
            ofKind.push_back(prompt);
    return ofKind;
}

QStringList TestDesktop::messageTexts() const {
    QStringList texts;
    for (const Prompt &prompt : prompts(Kind::Message))
        texts << prompt.text;
    return texts;
}

const TestDesktop::Expectation *TestDesktop::take(const Prompt &prompt) {
    m_prompts.push_back(prompt);
    if (m_script.empty()) {
        ADD_FAILURE() << "Unexpected " << kindName(prompt.kind) << ": "
                      << prompt.text.toStdString();
        return nullptr;
    }
    const Expectation &next = m_script.front();
    bool matches = next.kind == prompt.kind;
    if (matches && prompt.kind == Kind::Message)
        matches = next.exact ? prompt.text == next.text : prompt.text.contains(next.text);
    if (!matches) {
        ADD_FAILURE() << "Expected " << kindName(next.kind) << " \"" << next.text.toStdString()
                      << "\" but got " << kindName(prompt.kind) << " \""
                      << prompt.text.toStdString() << "\"";
        return nullptr;
    }
    m_taken = next;
    m_script.pop_front();
    return &m_taken;
}

MsgAnswer TestDesktop::message(const QString &text, const QString &caption, MsgType type,
                               MsgButtons buttons, MsgAnswer defaultAnswer) {
    Prompt prompt;
    prompt.kind = Kind::Message;
    prompt.text = text;
    prompt.caption = caption;
    prompt.type = type;
    prompt.buttons = buttons;
    prompt.defaultAnswer = defaultAnswer;
    const Expectation *e = take(prompt);
    if (!e)
        return cautiousAnswer(buttons);
    if (!allows(buttons, e->answer)) {
        ADD_FAILURE() << "The scripted answer is not one of the buttons of: " << text.toStdString();
        return cautiousAnswer(buttons);
    }
    return e->answer;
}

QString TestDesktop::picked(Kind kind, const QString &title, const FilePickSpec &file,
                            const FolderPickSpec &folder) {
    Prompt prompt;
    prompt.kind = kind;
    prompt.text = title;
    prompt.file = file;
    prompt.folder = folder;
    const Expectation *e = take(prompt);
    return e ? e->picked : QString();
}

QString TestDesktop::pickFile(const FilePickSpec &pick) {
    return picked(Kind::File, pick.title, pick, {});
}

QString TestDesktop::pickFolder(const FolderPickSpec &pick) {
    return picked(Kind::Folder, pick.label, {}, pick);
}

int TestDesktop::chooseItem(const ItemChoiceSpec &choice) {
    Prompt prompt;
    prompt.kind = Kind::Choice;
    prompt.text = choice.label;
    prompt.choice = choice;
    const Expectation *e = take(prompt);
    if (!e)
        return ItemChoiceSpec::cancelled;
    if (e->chosen >= static_cast<int>(choice.items.size()) ||
        (e->chosen == ItemChoiceSpec::other && choice.otherButton.isEmpty())) {
        ADD_FAILURE() << "The scripted choice is not offered by: " << choice.label.toStdString();
        return ItemChoiceSpec::cancelled;
    }
    return e->chosen;
}

void TestDesktop::openUrl(const QUrl &url) {
    m_urls.push_back(url);
}

bool TestDesktop::startProcess(const QString &program, const QStringList &arguments, bool wait) {
    m_processes.push_back({program, arguments, wait});
    if (!m_processHandler) {
        ADD_FAILURE() << "Unexpected process start: " << program.toStdString();
        return false;
    }
    return m_processHandler(m_processes.back());
}

void TestDesktop::setBusy(bool busy) {
    m_busyDepth += busy ? 1 : -1;
    if (m_busyDepth < 0)
        ADD_FAILURE() << "The busy cursor was ended more often than shown";
}
