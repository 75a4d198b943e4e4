// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/name_dialog.h"

#include "exchange/desktop.h"

#include <QLineEdit>

NameDialog::NameDialog(QWidget *parent, Desktop &desktop)
    : TextEntryDialog(parent, desktop, QStringLiteral("Hero Name"),
                      QStringLiteral("Enter a name for the hero:"), 20,
                      QStringLiteral(" A-Za-z0-9_'.\\-,")) {
    field()->setObjectName(QStringLiteral("nameField"));
}

bool NameDialog::check() {
    const QString text = field()->text();
    QString error;
    if (text.isEmpty())
        error = QStringLiteral("You must specify a name!");
    else if (QStringLiteral(" ',-._").contains(text.front()))
        error = QStringLiteral("First character in the name must be alpha-numeric.");
    if (error.isEmpty())
        return true;
    desktop().show(error, MsgType::Error);
    return false;
}

QString askHeroName(QWidget *parent, Desktop &desktop, const QString &current) {
    NameDialog dialog(parent, desktop);
    dialog.setValue(current);
    return dialog.exec() == QDialog::Accepted ? dialog.field()->text() : current;
}
