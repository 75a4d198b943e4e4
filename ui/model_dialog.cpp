// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

ModelDialog::ModelDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Hero Model"));
    setFixedSize(250, 118);

    m_group = new QGroupBox(QStringLiteral("Select"), this);
    m_group->setObjectName(QStringLiteral("modelGroup"));
    m_group->setGeometry(8, 4, 234, 76);
    auto *grid = new QGridLayout(m_group);
    m_items = new QButtonGroup(this);
    const QStringList names{QStringLiteral("Farmboy"), QStringLiteral("Farmgirl"),
                            QStringLiteral("Dwarf"), QStringLiteral("Skeleton")};
    const int rows = (static_cast<int>(names.size()) + 1) / 2;
    for (int n = 0; n < names.size(); ++n) {
        auto *item = new QRadioButton(names[n], m_group);
        m_items->addButton(item, n);
        grid->addWidget(item, n % rows, n / rows); // filled column by column
    }

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setGeometry(86, 88, 75, 23);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setGeometry(167, 88, 75, 23);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int ModelDialog::selectedItem() const {
    return m_items->checkedId();
}

void ModelDialog::selectItem(int n) {
    if (QAbstractButton *item = m_items->button(n)) {
        item->setChecked(true);
        item->setFocus(); // the arrow keys move on from the selected model
        return;
    }
    // An exclusive group cannot uncheck its last button directly.
    m_items->setExclusive(false);
    for (QAbstractButton *item : m_items->buttons())
        item->setChecked(false);
    m_items->setExclusive(true);
}

HeroModel askHeroModel(QWidget *parent, HeroModel current) {
    ModelDialog dialog(parent);
    if (current != HeroModel::Unknown)
        dialog.selectItem(static_cast<int>(current));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedItem() < 0)
        return current;
    return static_cast<HeroModel>(dialog.selectedItem());
}
