// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_race.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TfrmRace::TfrmRace(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Hero Model"));
    setFixedSize(250, 118);

    group = new QGroupBox(QStringLiteral("Select"), this);
    group->setObjectName(QStringLiteral("rgpRace"));
    group->setGeometry(8, 4, 234, 76);
    auto *grid = new QGridLayout(group);
    items = new QButtonGroup(this);
    const QStringList names{QStringLiteral("Farmboy"), QStringLiteral("Farmgirl"),
                            QStringLiteral("Dwarf"), QStringLiteral("Skeleton")};
    const int rows = (static_cast<int>(names.size()) + 1) / 2;
    for (int n = 0; n < names.size(); ++n) {
        auto *item = new QRadioButton(names[n], group);
        items->addButton(item, n);
        grid->addWidget(item, n % rows, n / rows); // filled column by column
    }

    ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(86, 88, 75, 23);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    cancel = new QPushButton(tr("Cancel"), this);
    cancel->setGeometry(167, 88, 75, 23);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TfrmRace::ItemIndex() const {
    return items->checkedId();
}

void TfrmRace::SetItemIndex(int n) {
    if (QAbstractButton *item = items->button(n)) {
        item->setChecked(true);
        item->setFocus(); // the arrow keys move on from the selected model
        return;
    }
    // An exclusive group cannot uncheck its last button directly.
    items->setExclusive(false);
    for (QAbstractButton *item : items->buttons())
        item->setChecked(false);
    items->setExclusive(true);
}

TDSRaces AskHeroModel(QWidget *parent, TDSRaces current) {
    TfrmRace dialog(parent);
    if (current != dsrUnknown)
        dialog.SetItemIndex(current);
    if (dialog.exec() != QDialog::Accepted || dialog.ItemIndex() < 0)
        return current;
    return static_cast<TDSRaces>(dialog.ItemIndex());
}
