// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: items with their captions, shortcuts, hints and initial states.
#include "ui/frmmain.h"

#include "ui/hints.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *AddItem(QMenu *menu, const QString &objectName, const QString &caption,
                 const QString &hint, const QKeySequence &shortcut = {}) {
    QAction *item = menu->addAction(caption);
    item->setObjectName(objectName);
    item->setShortcut(shortcut);
    if (!hint.isEmpty())
        SetHint(item, hint);
    return item;
}

QAction *AddSeparator(QMenu *menu, const QString &objectName) {
    QAction *separator = menu->addSeparator();
    separator->setObjectName(objectName);
    return separator;
}

QMenu *AddSubmenu(QMenu *menu, const QString &objectName, const QString &caption,
                  const QString &hint = {}) {
    QMenu *submenu = menu->addMenu(caption);
    submenu->setObjectName(objectName);
    submenu->menuAction()->setObjectName(objectName);
    if (!hint.isEmpty())
        SetHint(submenu->menuAction(), hint);
    return submenu;
}

QMenu *AddMenu(QMenuBar *bar, const QString &objectName, const QString &caption) {
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(objectName);
    return menu;
}

} // namespace

void TfrmMain::CreateMenu() {
    QMenuBar *bar = menuBar();
    bar->setNativeMenuBar(false);

    File1 = AddMenu(bar, QStringLiteral("File1"), QStringLiteral("&File"));
    New1 = AddItem(File1, QStringLiteral("New1"), QStringLiteral("&New"),
                   QStringLiteral("Start a new hero"), QKeySequence(Qt::CTRL | Qt::Key_N));
    N1 = AddSeparator(File1, QStringLiteral("N1"));
    Open1 = AddItem(File1, QStringLiteral("Open1"), QStringLiteral("&Open..."),
                    QStringLiteral("Open a hero save folder"), QKeySequence(Qt::CTRL | Qt::Key_O));
    Import1 = AddSubmenu(File1, QStringLiteral("Import1"), QStringLiteral("&Import"),
                         QStringLiteral("Import hero file from game's save folder"));
    Refresh1 = AddItem(File1, QStringLiteral("Refresh1"), QStringLiteral("&Revert"),
                       QStringLiteral("Abort changes and re-open save folder"));
    Refresh1->setEnabled(false);
    N2 = AddSeparator(File1, QStringLiteral("N2"));
    Save1 = AddItem(File1, QStringLiteral("Save1"), QStringLiteral("&Save"),
                    QStringLiteral("Save the hero folder"), QKeySequence(Qt::CTRL | Qt::Key_S));
    Save1->setEnabled(false);
    SaveAs1 = AddItem(File1, QStringLiteral("SaveAs1"), QStringLiteral("Save &As..."),
                      QStringLiteral("Save the hero folder"));
    Export1 = AddItem(File1, QStringLiteral("Export1"), QStringLiteral("&Export"),
                      QStringLiteral("Export hero file to game's save folder"),
                      QKeySequence(Qt::CTRL | Qt::Key_X));
    N3 = AddSeparator(File1, QStringLiteral("N3"));
    Exit1 = AddItem(File1, QStringLiteral("Exit1"), QStringLiteral("E&xit"),
                    QStringLiteral("Exit the application"));

    Edit1 = AddMenu(bar, QStringLiteral("Edit1"), QStringLiteral("&Edit"));
    Undo1 = AddItem(Edit1, QStringLiteral("Undo1"), QStringLiteral("&Undo"),
                    QStringLiteral("Undo current experience adjustment"));
    N4 = AddSeparator(Edit1, QStringLiteral("N4"));
    Name1 = AddItem(Edit1, QStringLiteral("Name1"), QStringLiteral("&Name..."),
                    QStringLiteral("Edit hero name"));
    Model1 = AddItem(Edit1, QStringLiteral("Model1"), QStringLiteral("&Model..."),
                     QStringLiteral("Select player model"));
    Portrait1 = AddSubmenu(Edit1, QStringLiteral("Portrait1"), QStringLiteral("&Portrait"));
    PicCustom1 = AddItem(Portrait1, QStringLiteral("PicCustom1"), QStringLiteral("&Custom..."),
                         QStringLiteral("Select hero portrait (64x64 24-bit bmp)"),
                         QKeySequence(Qt::CTRL | Qt::Key_P));
    N6 = AddSeparator(Portrait1, QStringLiteral("N6"));
    PicDefault1 = AddItem(Portrait1, QStringLiteral("PicDefault1"), QStringLiteral("&Default"),
                          QStringLiteral("Load default portrait for model"),
                          QKeySequence(Qt::CTRL | Qt::Key_D));
    PicDefault1->setData(0);
    PicSkullward1 =
        AddItem(Portrait1, QStringLiteral("PicSkullward1"), QStringLiteral("&Skullward"),
                QStringLiteral("Load skullward portrait"));
    PicSkullward1->setData(5);
    SkullHelm1 = AddItem(Portrait1, QStringLiteral("SkullHelm1"), QStringLiteral("&Skull Helm"),
                         QStringLiteral("Load skull helm portrait"));
    SkullHelm1->setData(4);
    Gold1 = AddItem(Edit1, QStringLiteral("Gold1"), QStringLiteral("&Gold..."),
                    QStringLiteral("Edit hero gold"));
    N5 = AddSeparator(Edit1, QStringLiteral("N5"));
    Farmer1 = AddItem(Edit1, QStringLiteral("Farmer1"), QStringLiteral("&Farmer"),
                      QStringLiteral("Set hero to minimum levels"));

    Heros1 = AddMenu(bar, QStringLiteral("Heros1"), QStringLiteral("Her&os"));
    Heros1->menuAction()->setObjectName(QStringLiteral("Heros1"));
    Heros1->menuAction()->setEnabled(false);

    Help1 = AddMenu(bar, QStringLiteral("Help1"), QStringLiteral("&Help"));
    Advanced1 = AddItem(Help1, QStringLiteral("Advanced1"), QStringLiteral("Ad&vanced"),
                        QStringLiteral("Checked to enable advanced menu options"));
    Advanced1->setCheckable(true);
    Advanced1->setChecked(false);
    MyDocuments1 = AddItem(Help1, QStringLiteral("MyDocuments1"), QStringLiteral("&My Documents"),
                           QStringLiteral("Open <My Documents>"));
    SaveFolder1 =
        AddItem(Help1, QStringLiteral("SaveFolder1"), QStringLiteral("&Save Folder..."), QString());
    ShowSaveFolderHint();
    N8 = AddSeparator(Help1, QStringLiteral("N8"));
    Help2 = AddItem(Help1, QStringLiteral("Help2"), QStringLiteral("&Help"),
                    QStringLiteral("Open online help"), QKeySequence(Qt::Key_F1));
    About1 = AddItem(Help1, QStringLiteral("About1"), QStringLiteral("&About"),
                     QStringLiteral("Display application version"));

    // Advanced-only items start hidden, as advanced mode starts off.
    ApplyAdvanced();
}

void TfrmMain::ConnectMenu() {
    connect(File1, &QMenu::aboutToShow, this, [this] { RunCommand([this] { File1Click(); }); });
    connect(Edit1, &QMenu::aboutToShow, this, [this] { RunCommand([this] { Edit1Click(); }); });
    ConnectCommand(New1, [this] { New1Click(); });
    ConnectCommand(Open1, [this] { Open1Click(); });
    ConnectCommand(Refresh1, [this] { Refresh1Click(); });
    ConnectCommand(Save1, [this] { Save1Click(); });
    ConnectCommand(SaveAs1, [this] { SaveAs1Click(); });
    ConnectCommand(Exit1, [this] { Exit1Click(); });
    ConnectCommand(Undo1, [this] { Undo1Click(); });
    ConnectCommand(Farmer1, [this] { Farmer1Click(); });
    // The item checks and clears itself; its visibility rule follows every change.
    connect(Advanced1, &QAction::toggled, this, [this] { ApplyAdvanced(); });
    ConnectCommand(MyDocuments1, [this] { MyDocuments1Click(); });
    ConnectCommand(SaveFolder1, [this] { SaveFolder1Click(); });
    ConnectCommand(Help2, [this] { Help2Click(); });
    ConnectCommand(About1, [this] { About1Click(); });
}

void TfrmMain::ApplyAdvanced() {
    const bool advanced = Advanced1->isChecked();
    Open1->setVisible(advanced);
    Save1->setVisible(advanced);
    SaveAs1->setVisible(advanced);
    Heros1->menuAction()->setVisible(advanced);
}

void TfrmMain::ShowSaveFolderHint() {
    SetHint(SaveFolder1,
            QStringLiteral("Choose the game's save folder (now %1)").arg(Folders.Save));
}
