// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/text_entry_dialog.h"

// The gold dialog: up to nine digits, a whole amount from 0 to 999999999.
class GoldDialog : public TextEntryDialog {
    Q_OBJECT
public:
    GoldDialog(QWidget *parent, Desktop &desktop);

protected:
    bool check() override;
};

// Shows the gold dialog with current, whole; answers the accepted amount, or current when
// cancelled.
int askGold(QWidget *parent, Desktop &desktop, int current);
