#pragma once

#include "exchange/desktop.h"

#include <QStringList>

#include <deque>
#include <stdexcept>

// A desktop that records every message and answers pickers from a script; installed for the
// lifetime of the object. A picker without a scripted answer fails the test loudly.
class ScriptedDesktop : public Desktop {
public:
    ScriptedDesktop() : previous(setDesktop(this)) {}
    ~ScriptedDesktop() override { setDesktop(previous); }

    QStringList messages;
    std::deque<MsgAnswer> answers;
    std::deque<QString> files;
    QList<FilePickSpec> filePicks;

    MsgAnswer message(const QString &text, const QString &, MsgType, MsgButtons,
                      MsgAnswer defaultAnswer) override {
        messages << text;
        if (answers.empty())
            return defaultAnswer;
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString pickFile(const FilePickSpec &spec) override {
        filePicks << spec;
        if (files.empty())
            throw std::logic_error("unexpected file picker");
        const QString file = files.front();
        files.pop_front();
        return file;
    }
    QString pickFolder(const FolderPickSpec &) override {
        throw std::logic_error("unexpected folder picker");
    }
    void openUrl(const QUrl &) override { throw std::logic_error("unexpected shell open"); }
    bool startProcess(const QString &, const QStringList &, bool) override {
        throw std::logic_error("unexpected process start");
    }

private:
    Desktop *previous;
};
