// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/entry_dialog.h"

// The gold dialog: up to nine digits, a whole amount from 0 to 999999999.
class TfrmGold : public TDSEntryDialog {
    Q_OBJECT
public:
    explicit TfrmGold(QWidget *parent = nullptr);
    QLineEdit *edtGold() const { return field(); }

protected:
    bool Check() override;
};

// Shows the gold dialog with current, whole; answers the accepted amount, or current when
// cancelled or left unedited.
int AskGold(QWidget *parent, int current);
