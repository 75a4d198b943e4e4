#include "scripteddesktop.h"

#include <QProcess>
#include <gtest/gtest.h>

ScriptedDesktop::ScriptedDesktop() : previous(setDesktop(this)) {}

ScriptedDesktop::~ScriptedDesktop() {
    setDesktop(previous);
    EXPECT_TRUE(answers.empty()) << answers.size() << " scripted answers left";
    EXPECT_TRUE(files.empty()) << files.size() << " scripted files left";
    EXPECT_TRUE(folders.empty()) << folders.size() << " scripted folders left";
}

MsgAnswer ScriptedDesktop::message(const QString &text, const QString &caption, MsgType type,
                                   MsgButtons buttons, MsgAnswer defaultAnswer) {
    messages.append({text, caption, type, buttons, defaultAnswer});
    if (onMessage)
        onMessage(messages.last());
    if (answers.empty()) {
        if (buttons == MsgButtons::Ok)
            return MsgAnswer::Ok;
        ADD_FAILURE() << "Unexpected question: " << text.toStdString();
        return MsgAnswer::Cancel;
    }
    const MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedDesktop::pickFile(const FilePickSpec &pick) {
    filePicks.append(pick);
    if (files.empty()) {
        ADD_FAILURE() << "Unexpected file picker: " << pick.title.toStdString();
        return {};
    }
    const QString file = files.front();
    files.pop_front();
    return file;
}

QString ScriptedDesktop::pickFolder(const FolderPickSpec &pick) {
    folderPicks.append(pick);
    if (folders.empty()) {
        ADD_FAILURE() << "Unexpected folder picker: " << pick.label.toStdString();
        return {};
    }
    const QString folder = folders.front();
    folders.pop_front();
    return folder;
}

void ScriptedDesktop::openUrl(const QUrl &url) {
    ADD_FAILURE() << "Unexpected shell open: " << url.toString().toStdString();
}

bool ScriptedDesktop::startProcess(const QString &program, const QStringList &arguments,
                                   bool wait) {
    processes.append({program, arguments});
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!wait)
        return process.startDetached();
    process.start();
    if (!process.waitForStarted())
        return false;
    process.waitForFinished(-1);
    return true;
}

QStringList ScriptedDesktop::messageTexts() const {
    QStringList texts;
    for (const Message &m : messages)
        texts << m.text;
    return texts;
}
