// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/hero_model.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

// The hero model dialog: a radio group "Select" with Farmboy, Farmgirl, Dwarf and Skeleton in
// two columns; the item numbers are the model numbers.
class ModelDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModelDialog(QWidget *parent = nullptr);

    // The selected item's number, or -1 when none is selected.
    int selectedItem() const;
    // Selects item n and gives it the keyboard focus; any number outside the items clears the
    // selection.
    void selectItem(int n);

    QGroupBox *group() const { return m_group; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QGroupBox *m_group;
    QButtonGroup *m_items;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// Shows the model dialog with current selected (nothing for an unknown model); answers the
// selected model, or current when cancelled or when nothing is selected.
HeroModel askHeroModel(QWidget *parent, HeroModel current);
