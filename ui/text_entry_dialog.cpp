// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_entry_dialog.h"

#include "ui/typing_filter.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

TextEntryDialog::TextEntryDialog(QWidget *parent, Desktop &desktop, const QString &caption,
                                 const QString &prompt, int maxLength,
                                 const QString &allowedCharacters)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_desktop(desktop), m_maxLength(maxLength) {
    setWindowTitle(caption);
    setFixedSize(250, 78);

    m_label = new QLabel(prompt, this);
    m_label->setGeometry(8, 6, 234, 16);

    m_edit = new QLineEdit(this);
    m_edit->setGeometry(8, 22, 234, 21);
    m_edit->setMaxLength(maxLength);
    // The filter also keeps pasted text to the allowed characters and the limit.
    m_filter = new TypingFilter(allowedCharacters, maxLength, m_edit);
    m_edit->setValidator(m_filter);
    connect(m_edit, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setGeometry(86, 49, 75, 23);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TextEntryDialog::acceptIfValid);

    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setGeometry(167, 49, 75, 23);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TextEntryDialog::setValue(const QString &value) {
    // The field's own limit would cut a longer value; the filter keeps typing to the limit.
    m_edit->setMaxLength(std::max(m_maxLength, static_cast<int>(value.size())));
    m_filter->setText(value);
    m_edit->setText(value);
    m_edit->selectAll();
}

void TextEntryDialog::acceptIfValid() {
    if (check())
        accept();
}
