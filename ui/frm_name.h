// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/entry_dialog.h"

// The hero name dialog: up to 20 characters of letters, digits, blank and _ ' . - ,
// starting with a letter or digit.
class TfrmName : public TDSEntryDialog {
    Q_OBJECT
public:
    explicit TfrmName(QWidget *parent = nullptr);
    QLineEdit *edtName() const { return field(); }

protected:
    bool Check() override;
};

// Shows the name dialog with current, whole; answers the accepted name, or current when
// cancelled or left unedited.
QString AskHeroName(QWidget *parent, const QString &current);
