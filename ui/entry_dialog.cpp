#include "ui/entry_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

TDSEntryDialog::TDSEntryDialog(QWidget *parent, const QString &caption, const QString &prompt,
                               int maxLength, const QString &allowedCharacters)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(caption);
    setFixedSize(250, 78);

    label = new QLabel(prompt, this);
    label->setGeometry(8, 6, 234, 16);

    edit = new QLineEdit(this);
    edit->setGeometry(8, 22, 234, 21);
    edit->setMaxLength(maxLength);
    // The validator also keeps pasted text to the allowed characters.
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[%1]*").arg(allowedCharacters)), edit));
    connect(edit, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });

    ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(86, 49, 75, 23);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TDSEntryDialog::Button1Click);

    cancel = new QPushButton(tr("Cancel"), this);
    cancel->setGeometry(167, 49, 75, 23);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TDSEntryDialog::Button1Click() {
    if (Check())
        accept();
}
