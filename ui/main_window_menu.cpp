// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: one table of every menu and item with its caption, shortcut, hint and command.
#include "ui/main_window.h"

#include "session/editor_session.h"
#include "ui/hints.h"
#include "ui/import_menu.h"
#include "ui/skill_panels.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

struct MainWindow::MenuRow {
    enum Kind { Menu, Submenu, EndSubmenu, Item, Separator };
    enum Flag { AdvancedOnly = 1, Checkable = 2, Disabled = 4 };

    Kind kind;
    const char *name; // the object name
    const char *caption;
    const char *shortcut;
    const char *hint;
    // An item's command; a menu's update as it opens.
    void (MainWindow::*handler)();
    unsigned flags;
};

const MainWindow::MenuRow MainWindow::menuRows[] = {
    {MenuRow::Menu, "fileMenu", "&File", "", "", &MainWindow::updateFileMenu, 0},
    {MenuRow::Item, "newAction", "&New", "Ctrl+N", "Start a new hero", &MainWindow::newHero, 0},
    {MenuRow::Separator, "", "", "", "", nullptr, 0},
    {MenuRow::Item, "openAction", "&Open...", "Ctrl+O", "Open a hero save folder",
     &MainWindow::openHero, MenuRow::AdvancedOnly},
    {MenuRow::Submenu, "importMenu", "&Import", "", "Import hero file from game's save folder",
     nullptr, 0},
    {MenuRow::EndSubmenu, "", "", "", "", nullptr, 0},
    {MenuRow::Item, "revertAction", "&Revert", "", "Abort changes and re-open save folder",
     &MainWindow::revertHero, MenuRow::Disabled},
    {MenuRow::Separator, "", "", "", "", nullptr, 0},
    {MenuRow::Item, "saveAction", "&Save", "Ctrl+S", "Save the hero folder", &MainWindow::saveHero,
     MenuRow::AdvancedOnly | MenuRow::Disabled},
    {MenuRow::Item, "saveAsAction", "Save &As...", "", "Save the hero folder",
     &MainWindow::saveHeroAs, MenuRow::AdvancedOnly},
    {MenuRow::Item, "exportAction", "&Export", "Ctrl+X", "Export hero file to game's save folder",
     &MainWindow::exportParty, 0},
    {MenuRow::Item, "restoreBackupAction", "Restore &Backup...", "",
     "Put back a party file that Export replaced", &MainWindow::restoreBackup, 0},
    {MenuRow::Separator, "", "", "", "", nullptr, 0},
    {MenuRow::Item, "exitAction", "E&xit", "", "Exit the application", &MainWindow::exitProgram, 0},

    {MenuRow::Menu, "editMenu", "&Edit", "", "", &MainWindow::updateEditMenu, 0},
    {MenuRow::Item, "undoAction", "&Undo", "", "Undo current experience adjustment",
     &MainWindow::undoAdjustment, 0},
    {MenuRow::Separator, "", "", "", "", nullptr, 0},
    {MenuRow::Item, "nameAction", "&Name...", "", "Edit hero name", &MainWindow::editName, 0},
    {MenuRow::Item, "modelAction", "&Model...", "", "Select player model", &MainWindow::editModel,
     0},
    {MenuRow::Submenu, "portraitMenu", "&Portrait", "", "", nullptr, 0},
    {MenuRow::Item, "customPortraitAction", "&Custom...", "Ctrl+P",
     "Select hero portrait (64x64 24-bit bmp)", &MainWindow::chooseCustomPortrait, 0},
    {MenuRow::Separator, "", "", "", "", nullptr, 0},
    {MenuRow::Item, "defaultPortraitAction", "&Default", "Ctrl+D",
     "Load default portrait for model", &MainWindow::loadDefaultPortrait, 0},
    {MenuRow::Item, "skullwardPortraitAction", "&Skullward", "", "Load skullward portrait",
     &MainWindow::loadSkullwardPortrait, 0},
    {MenuRow::Item, "skullHelmPortraitAction", "&Skull Helm", "", "Load skull helm portrait",
     &MainWindow::loadSkullHelmPortrait, 0},
    {MenuRow::EndSubmenu, "", "", "", "", nullptr, 0},
    {MenuRow::Item, "goldAction", "&Gold...", "", "Edit hero gold", &MainWindow::editGold, 0},
    {MenuRow::Separator, "", "", "", "", nullptr, 0},
    {MenuRow::Item, "farmerAction", "&Farmer", "", "Set hero to minimum levels",
     &MainWindow::resetToMinimum, 0},

    {MenuRow::Menu, "heroesMenu", "Her&os", "", "", nullptr,
     MenuRow::AdvancedOnly | MenuRow::Disabled},

    {MenuRow::Menu, "helpMenu", "&Help", "", "", &MainWindow::updateHelpMenu, 0},
    {MenuRow::Item, "advancedAction", "Ad&vanced", "", "Checked to enable advanced menu options",
     &MainWindow::toggleAdvanced, MenuRow::Checkable},
    {MenuRow::Item, "myDocumentsAction", "&My Documents", "", "Open <My Documents>",
     &MainWindow::openDocuments, 0},
    // Its hint names the save folder in use.
    {MenuRow::Item, "saveFolderAction", "&Save Folder...", "", "", &MainWindow::chooseSaveFolder,
     0},
    {MenuRow::Separator, "", "", "", "", nullptr, 0},
    {MenuRow::Item, "helpAction", "&Help", "F1", "Open online help", &MainWindow::openHelp, 0},
    {MenuRow::Item, "aboutAction", "&About", "", "Display application version",
     &MainWindow::showAbout, 0},
};

void MainWindow::createMenu() {
    QMenuBar *bar = menuBar();
    bar->setNativeMenuBar(false);
    QMenu *menu = nullptr;
    QMenu *current = nullptr; // the menu or submenu items go into
    for (const MenuRow &row : menuRows) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromLatin1(row.caption);
        QAction *action = nullptr;
        switch (row.kind) {
        case MenuRow::Menu:
            menu = current = bar->addMenu(caption);
            menu->setObjectName(name);
            action = menu->menuAction();
            if (row.handler)
                connect(menu, &QMenu::aboutToShow, this, [this, handler = row.handler] {
                    runCommand([this, handler] { (this->*handler)(); });
                });
            break;
        case MenuRow::Submenu:
            current = menu->addMenu(caption);
            current->setObjectName(name);
            action = current->menuAction();
            break;
        case MenuRow::EndSubmenu:
            current = menu;
            continue;
        case MenuRow::Separator:
            current->addSeparator();
            continue;
        case MenuRow::Item:
            action = current->addAction(caption);
            action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            action->setCheckable(row.flags & MenuRow::Checkable);
            connect(action, &QAction::triggered, this, [this, handler = row.handler] {
                runCommand([this, handler] { (this->*handler)(); });
            });
            break;
        }
        action->setObjectName(name);
        if (*row.hint)
            setHint(action, QString::fromLatin1(row.hint));
        action->setEnabled(!(row.flags & MenuRow::Disabled));
    }
    m_advancedAction = findChild<QAction *>(QStringLiteral("advancedAction"));
    m_heroesMenu = findChild<QMenu *>(QStringLiteral("heroesMenu"));
    m_importMenu = new ImportMenu(findChild<QMenu *>(QStringLiteral("importMenu")), m_session);
    connect(m_importMenu, &ImportMenu::partyChosen, this, [this](const QByteArray &file) {
        runCommand([this, file] { m_session.importer().importParty(file); });
    });
    connect(m_importMenu, &ImportMenu::browseChosen, this,
            [this] { runCommand([this] { browseParty(); }); });
    showSaveFolderHint();
    showAdvancedMode();
}

void MainWindow::showAdvancedMode() {
    const bool advanced = m_advancedAction->isChecked();
    for (const MenuRow &row : menuRows) {
        if (!(row.flags & MenuRow::AdvancedOnly))
            continue;
        const QString name = QString::fromLatin1(row.name);
        if (auto *menu = findChild<QMenu *>(name))
            menu->menuAction()->setVisible(advanced);
        else
            findChild<QAction *>(name)->setVisible(advanced);
    }
}

void MainWindow::showSaveFolderHint() {
    setHint(findChild<QAction *>(QStringLiteral("saveFolderAction")),
            QStringLiteral("Choose the game's save folder (now %1)").arg(m_session.saveFolder()));
}

void MainWindow::updateHelpMenu() {
    showSaveFolderHint();
}
