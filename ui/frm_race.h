// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/races.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

// The hero model dialog: a radio group "Select" with Farmboy, Farmgirl, Dwarf and Skeleton in
// two columns; the item numbers are the model numbers.
class TfrmRace : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRace(QWidget *parent = nullptr);

    // The selected item's number, or -1 when none is selected.
    int ItemIndex() const;
    // Selects item n and gives it the keyboard focus; any number outside the items clears the
    // selection.
    void SetItemIndex(int n);

    QGroupBox *rgpRace() const { return group; }
    QPushButton *Button1() const { return ok; }
    QPushButton *Button2() const { return cancel; }

private:
    QGroupBox *group;
    QButtonGroup *items;
    QPushButton *ok;
    QPushButton *cancel;
};

// Shows the model dialog with current selected (nothing for dsrUnknown); answers the selected
// model, or current when cancelled or when nothing is selected.
TDSRaces AskHeroModel(QWidget *parent, TDSRaces current);
