// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/entry_dialog.h"

#include "ui/typing_filter.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

TDSEntryDialog::TDSEntryDialog(QWidget *parent, const QString &caption, const QString &prompt,
                               int maxLength, const QString &allowedCharacters)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      maxLength(maxLength) {
    setWindowTitle(caption);
    setFixedSize(250, 78);

    label = new QLabel(prompt, this);
    label->setGeometry(8, 6, 234, 16);

    edit = new QLineEdit(this);
    edit->setGeometry(8, 22, 234, 21);
    edit->setMaxLength(maxLength);
    // The filter also keeps pasted text to the allowed characters and the limit.
    filter = new TTypingFilter(allowedCharacters, maxLength, edit);
    edit->setValidator(filter);
    connect(edit, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });

    ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(86, 49, 75, 23);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TDSEntryDialog::Button1Click);

    cancel = new QPushButton(tr("Cancel"), this);
    cancel->setGeometry(167, 49, 75, 23);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TDSEntryDialog::SetValue(const QString &value) {
    // The field's own limit would cut a longer value; the filter keeps typing to maxLength.
    edit->setMaxLength(std::max(maxLength, static_cast<int>(value.size())));
    filter->SetText(value);
    edit->setText(value);
    edit->selectAll();
    given = value;
}

bool TDSEntryDialog::Unedited() const {
    return given && edit->text() == *given;
}

void TDSEntryDialog::Button1Click() {
    if (Unedited() || Check())
        accept();
}
