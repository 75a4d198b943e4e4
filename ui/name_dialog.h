// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/text_entry_dialog.h"

// The hero name dialog: up to 20 characters of letters, digits, blank and _ ' . - ,
// starting with a letter or digit.
class NameDialog : public TextEntryDialog {
    Q_OBJECT
public:
    NameDialog(QWidget *parent, Desktop &desktop);

protected:
    bool check() override;
};

// Shows the name dialog with current, whole; answers the accepted name, or current when
// cancelled.
QString askHeroName(QWidget *parent, Desktop &desktop, const QString &current);
