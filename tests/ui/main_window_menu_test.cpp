// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu as the user meets it: captions, shortcuts, hints and states, and the header's
// double-clicks.
#include "main_window_fixture.h"

#include "tests/ui/modal.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

namespace {

struct MenuRow {
    const char *name; // empty for a separator
    const char *caption;
    const char *shortcut;
    const char *hint;
    bool enabled;
    bool advancedOnly;
};

// Every menu and item, in menu order, as it stands before the first start.
const MenuRow rows[] = {
    {"fileMenu", "&File", "", "", true, false},
    {"newAction", "&New", "Ctrl+N", "Start a new hero", true, false},
    {"", "", "", "", true, false},
    {"openAction", "&Open...", "Ctrl+O", "Open a hero save folder", true, true},
    {"importMenu", "&Import", "", "Import hero file from game's save folder", true, false},
    {"", "", "", "", true, false},
    {"browsePartyAction", "&Browse...", "", "Browse for dsparty file", true, false},
    {"revertAction", "&Revert", "", "Abort changes and re-open save folder", false, false},
    {"", "", "", "", true, false},
    {"saveAction", "&Save", "Ctrl+S", "Save the hero folder", false, true},
    {"saveAsAction", "Save &As...", "", "Save the hero folder", true, true},
    {"exportAction", "&Export", "Ctrl+X", "Export hero file to game's save folder", true, false},
    {"restoreBackupAction", "Restore &Backup...", "", "Put back a party file that Export replaced",
     true, false},
    {"", "", "", "", true, false},
    {"exitAction", "E&xit", "", "Exit the application", true, false},
    {"editMenu", "&Edit", "", "", true, false},
    {"undoAction", "&Undo", "", "Undo current experience adjustment", true, false},
    {"", "", "", "", true, false},
    {"nameAction", "&Name...", "", "Edit hero name", true, false},
    {"modelAction", "&Model...", "", "Select player model", true, false},
    {"portraitMenu", "&Portrait", "", "", true, false},
    {"customPortraitAction", "&Custom...", "Ctrl+P", "Select hero portrait (64x64 24-bit bmp)",
     true, false},
    {"", "", "", "", true, false},
    {"defaultPortraitAction", "&Default", "Ctrl+D", "Load default portrait for model", true, false},
    {"skullwardPortraitAction", "&Skullward", "", "Load skullward portrait", true, false},
    {"skullHelmPortraitAction", "&Skull Helm", "", "Load skull helm portrait", true, false},
    {"goldAction", "&Gold...", "", "Edit hero gold", true, false},
    {"", "", "", "", true, false},
    {"farmerAction", "&Farmer", "", "Set hero to minimum levels", true, false},
    {"heroesMenu", "Her&os", "", "", false, true},
    {"helpMenu", "&Help", "", "", true, false},
    {"advancedAction", "Ad&vanced", "", "Checked to enable advanced menu options", true, false},
    {"myDocumentsAction", "&My Documents", "", "Open <My Documents>", true, false},
    {"saveFolderAction", "&Save Folder...", "", "Choose the game's save folder (now %1)", true,
     false},
    {"", "", "", "", true, false},
    {"helpAction", "&Help", "F1", "Open online help", true, false},
    {"aboutAction", "&About", "", "Display application version", true, false},
};

// The menus and items of a menu, depth first.
void collect(const QList<QAction *> &actions, QList<QAction *> &items) {
    for (QAction *item : actions) {
        items.append(item);
        if (item->menu())
            collect(item->menu()->actions(), items);
    }
}

} // namespace

TEST_F(MainWindowTest, MenuHasEveryItemWithItsCaptionShortcutHintAndState) {
    MainWindow &w = makeWindow();
    QList<QAction *> items;
    collect(w.menuBar()->actions(), items);
    ASSERT_EQ(items.size(), static_cast<qsizetype>(std::size(rows)));
    EXPECT_TRUE(action("advancedAction")->isCheckable());
    EXPECT_FALSE(action("advancedAction")->isChecked()) << "off at the first run";
    // Advanced mode off as at the first run, on, and off again.
    for (bool advanced : {false, true, false}) {
        if (action("advancedAction")->isChecked() != advanced)
            action("advancedAction")->trigger();
        for (qsizetype i = 0; i < items.size(); ++i) {
            const MenuRow &row = rows[i];
            const QAction *item = items[i];
            SCOPED_TRACE(testing::Message()
                         << i << ' ' << row.name << (advanced ? " advanced" : ""));
            EXPECT_EQ(item->objectName(), QString::fromLatin1(row.name));
            EXPECT_EQ(item->isSeparator(), *row.name == '\0');
            EXPECT_EQ(item->text(), QString::fromLatin1(row.caption));
            EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromLatin1(row.shortcut)));
            EXPECT_EQ(item->statusTip(), QString::fromLatin1(row.hint).replace("%1", folders.save));
            const bool visible = advanced || !row.advancedOnly;
            EXPECT_EQ(item->isVisible(), visible);
            EXPECT_EQ(item->isEnabled(), row.enabled && visible); // a hidden item is disabled
        }
    }
}

TEST_F(MainWindowTest, HeaderDoubleClicksRunTheEditCommands) {
    start();
    const std::pair<const char *, const char *> dialogs[] = {
        {"name", "Hero Name"}, {"gold", "Gold"}, {"goldCoin", "Gold"}};
    for (const auto &[label, title] : dialogs) {
        QString shown;
        whenModal([&shown](QDialog *dialog) {
            shown = dialog->windowTitle();
            dialog->reject();
        });
        QTest::mouseDClick(find(label), Qt::LeftButton);
        EXPECT_EQ(shown, title) << label;
    }
    desktop.expectFilePick(QString());
    QTest::mouseDClick(find("portraitFrame"), Qt::LeftButton);
    ASSERT_EQ(desktop.prompts().size(), 1u);
    EXPECT_EQ(desktop.prompts()[0].file.title, "Hero Portrait (64x64 24-bit bmp)");
}

TEST_F(MainWindowTest, DisabledItemsShowTheirHintInTheStatusBarToo) {
    MainWindow &w = start();
    QMenu *file = menu("fileMenu");
    w.menuBar()->setActiveAction(file->menuAction());
    ASSERT_TRUE(file->isVisible());
    const auto pointAt = [&](QAction *item) {
        // A menu takes the first moves after it opens for the one that opened it.
        for (int dx = 0; dx < 3; ++dx)
            QTest::mouseMove(file, file->actionGeometry(item).center() + QPoint(dx, 0));
        QCoreApplication::processEvents();
        return w.statusBar()->currentMessage();
    };
    QAction *revert = action("revertAction");
    ASSERT_FALSE(revert->isEnabled());
    EXPECT_EQ(pointAt(revert), "Abort changes and re-open save folder");
    EXPECT_EQ(pointAt(action("newAction")), "Start a new hero");
    EXPECT_EQ(pointAt(revert), "Abort changes and re-open save folder");
    EXPECT_EQ(pointAt(file->actions()[1]), QString()) << "a separator has no hint";
    file->hide();
}
