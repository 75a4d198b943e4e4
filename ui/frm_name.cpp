// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_name.h"

#include "exchange/messages.h"

#include <QLineEdit>

TfrmName::TfrmName(QWidget *parent)
    : TDSEntryDialog(parent, QStringLiteral("Hero Name"),
                     QStringLiteral("Enter a name for the hero:"), 20,
                     QStringLiteral(" A-Za-z0-9_'.\\-,")) {
    edtName()->setObjectName(QStringLiteral("edtName"));
}

bool TfrmName::Check() {
    const QString text = edtName()->text();
    QString error;
    if (text.isEmpty())
        error = QStringLiteral("You must specify a name!");
    else if (QStringLiteral(" ',-._").contains(text.front()))
        error = QStringLiteral("First character in the name must be alpha-numeric.");
    if (error.isEmpty())
        return true;
    showMessage(error, MsgType::Error);
    return false;
}

QString AskHeroName(QWidget *parent, const QString &current) {
    TfrmName dialog(parent);
    dialog.SetValue(current);
    return dialog.exec() == QDialog::Accepted ? dialog.edtName()->text() : current;
}
