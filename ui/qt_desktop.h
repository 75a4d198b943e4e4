// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/desktop.h"

// The desktop as the running program shows it: Qt message boxes, file dialogs, a list dialog, the
// desktop's URL handler, QProcess and the override cursor. Dialogs are parented to the active
// window. A folder or address that no program can be started for is reported in an error message
// box naming it.
class QtDesktop : public Desktop {
public:
    MsgAnswer message(const QString &text, const QString &caption, MsgType type, MsgButtons buttons,
                      MsgAnswer defaultAnswer) override;
    QString pickFile(const FilePickSpec &pick) override;
    QString pickFolder(const FolderPickSpec &pick) override;
    int chooseItem(const ItemChoiceSpec &choice) override;
    void openUrl(const QUrl &url) override;
    bool startProcess(const QString &program, const QStringList &arguments, bool wait) override;
    void setBusy(bool busy) override;
};

// A message text with its carriage returns (and CR LF pairs) turned into line breaks, and a
// place to break after each folder separator and within every run of 40 characters without a
// blank.
QString messageLines(const QString &text);
