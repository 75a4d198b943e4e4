// SPDX-License-Identifier: GPL-3.0-or-later
#include "testdesktop.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

const char *KindName(TestDesktop::Kind kind) {
    switch (kind) {
    case TestDesktop::Kind::Message:
        return "message box";
    case TestDesktop::Kind::File:
        return "file picker";
    case TestDesktop::Kind::Folder:
        return "folder picker";
    }
    return "prompt";
}

bool Allows(MsgButtons buttons, MsgAnswer answer) {
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

TestDesktop::TestDesktop() : previous(setDesktop(this)) {}

TestDesktop::~TestDesktop() {
    setDesktop(previous);
    for (const Expectation &e : script)
        ADD_FAILURE() << "Expected " << KindName(e.kind) << " never came: " << e.text.toStdString();
}

TestDesktop &TestDesktop::ExpectMessage(const QString &text, MsgAnswer answer) {
    script.push_back({Kind::Message, text, true, answer, {}});
    return *this;
}

TestDesktop &TestDesktop::ExpectMessageContaining(const QString &fragment, MsgAnswer answer) {
    script.push_back({Kind::Message, fragment, false, answer, {}});
    return *this;
}

TestDesktop &TestDesktop::ExpectFilePick(const QString &answer) {
    script.push_back({Kind::File, {}, false, MsgAnswer::Ok, answer});
    return *this;
}

TestDesktop &TestDesktop::ExpectFolderPick(const QString &answer) {
    script.push_back({Kind::Folder, {}, false, MsgAnswer::Ok, answer});
    return *this;
}

void TestDesktop::OnProcessStart(std::function<bool(const ProcessStart &)> handler) {
    processHandler = std::move(handler);
}

void TestDesktop::RunProcesses() {
    processHandler = [](const ProcessStart &start) {
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

std::vector<TestDesktop::Prompt> TestDesktop::Prompts(Kind kind) const {
    std::vector<Prompt> ofKind;
    for (const Prompt &prompt : prompts)
        if (prompt.kind == kind)
            ofKind.push_back(prompt);
    return ofKind;
}

QStringList TestDesktop::MessageTexts() const {
    QStringList texts;
    for (const Prompt &prompt : Prompts(Kind::Message))
        texts << prompt.text;
    return texts;
}

const TestDesktop::Expectation *TestDesktop::Take(const Prompt &prompt) {
    prompts.push_back(prompt);
    if (script.empty()) {
        ADD_FAILURE() << "Unexpected " << KindName(prompt.kind) << ": "
                      << prompt.text.toStdString();
        return nullptr;
    }
    const Expectation &next = script.front();
    bool matches = next.kind == prompt.kind;
    if (matches && prompt.kind == Kind::Message)
        matches = next.exact ? prompt.text == next.text : prompt.text.contains(next.text);
    if (!matches) {
        ADD_FAILURE() << "Expected " << KindName(next.kind) << " \"" << next.text.toStdString()
                      << "\" but got " << KindName(prompt.kind) << " \""
                      << prompt.text.toStdString() << "\"";
        return nullptr;
    }
    taken = next;
    script.pop_front();
    return &taken;
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
    const Expectation *e = Take(prompt);
    if (!e)
        return CautiousAnswer(buttons);
    if (!Allows(buttons, e->answer)) {
        ADD_FAILURE() << "The scripted answer is not one of the buttons of: " << text.toStdString();
        return CautiousAnswer(buttons);
    }
    return e->answer;
}

QString TestDesktop::Picked(Kind kind, const QString &title, const FilePickSpec &file,
                            const FolderPickSpec &folder) {
    Prompt prompt;
    prompt.kind = kind;
    prompt.text = title;
    prompt.file = file;
    prompt.folder = folder;
    const Expectation *e = Take(prompt);
    return e ? e->picked : QString();
}

QString TestDesktop::pickFile(const FilePickSpec &pick) {
    return Picked(Kind::File, pick.title, pick, {});
}

QString TestDesktop::pickFolder(const FolderPickSpec &pick) {
    return Picked(Kind::Folder, pick.label, {}, pick);
}

void TestDesktop::openUrl(const QUrl &url) {
    urls.push_back(url);
}

bool TestDesktop::startProcess(const QString &program, const QStringList &arguments, bool wait) {
    processes.push_back({program, arguments, wait});
    if (!processHandler) {
        ADD_FAILURE() << "Unexpected process start: " << program.toStdString();
        return false;
    }
    return processHandler(processes.back());
}
