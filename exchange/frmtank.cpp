// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/frmtank.h"

#include "exchange/desktop.h"
#include "exchange/messages.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

bool isDirectory(const QString &path) {
    return QFileInfo(path).isDir();
}

QPushButton *browseButton(QWidget *parent) {
    auto *button = new QPushButton(QStringLiteral("Browse..."), parent);
    button->setToolTip(QStringLiteral("Browse"));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TfrmTank::TfrmTank(QWidget *parent, const QString &heroName, const QString &documents,
                   const QString &save)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      heroName(heroName) {
    setWindowTitle(QStringLiteral("Tank Creation Parameters"));

    edtSource = new QLineEdit(this);
    edtOut = new QLineEdit(this);
    btnSourceBrowse = browseButton(this);
    btnOutBrowse = browseButton(this);
    ckbAlways = new QCheckBox(this);
    ckbAlways->installEventFilter(this);
    Button1 = new QPushButton(QStringLiteral("Export"), this);
    Button1->setDefault(true);
    Button1->setToolTip(QStringLiteral("Export ") + heroName);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);

    auto *sourceRow = new QHBoxLayout;
    sourceRow->addWidget(edtSource, 1);
    sourceRow->addWidget(btnSourceBrowse);
    auto *outRow = new QHBoxLayout;
    outRow->addWidget(edtOut, 1);
    outRow->addWidget(btnOutBrowse);
    auto *bottomRow = new QHBoxLayout;
    auto *always = new QLabel(QStringLiteral("Always use this dialog to export heros?"), this);
    always->setWordWrap(true);
    always->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bottomRow->addWidget(always, 1);
    bottomRow->addWidget(ckbAlways);
    bottomRow->addWidget(Button1);
    bottomRow->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Source folder:"), this));
    layout->addLayout(sourceRow);
    layout->addWidget(new QLabel(QStringLiteral("Output (savegame) folder:"), this));
    layout->addLayout(outRow);
    layout->addLayout(bottomRow);

    setTabOrder(edtSource, edtOut);
    setTabOrder(edtOut, ckbAlways);
    setTabOrder(ckbAlways, Button1);
    setTabOrder(Button1, Button2);

    setMinimumWidth(394);
    setFixedHeight(148);
    resize(394, 148);

    connect(Button1, &QPushButton::clicked, this, &TfrmTank::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSourceBrowse, &QPushButton::clicked, this, [this, documents] {
        browse(edtSource, QStringLiteral("Select ") + this->heroName + QStringLiteral("'s folder:"),
               documents, edtOut);
    });
    connect(btnOutBrowse, &QPushButton::clicked, this, [this, save] {
        browse(edtOut, QStringLiteral("Select savegame folder:"), save, Button1);
    });
}

bool TfrmTank::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ckbAlways && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Y || key == Qt::Key_N) {
            ckbAlways->setChecked(key == Qt::Key_Y);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmTank::Button1Click() {
    if (!isDirectory(edtSource->text()))
        showMessage(QStringLiteral("Source directory does not exist!"), MsgType::Error);
    else if (!isDirectory(edtOut->text()))
        showMessage(QStringLiteral("Out directory does not exist!"), MsgType::Error);
    else
        accept();
}

void TfrmTank::browse(QLineEdit *field, const QString &label, const QString &fallback,
                      QWidget *next) {
    const QString initial = isDirectory(field->text()) ? field->text() : fallback;
    const QString chosen = desktop().pickFolder({label, initial, false});
    if (chosen.isEmpty()) {
        field->setFocus();
        return;
    }
    field->setText(chosen);
    next->setFocus();
}
