// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu as the window builds it: captions, shortcuts, hints and initial states.
#include "mainwindow_fixture.h"

#include "ui/hints.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

namespace {

struct TMenuRow {
    const char *name;
    const char *caption;
    const char *shortcut;
    const char *hint;
    bool enabled;
    bool advancedOnly;
};

// Every item of the menu, in menu order, as it stands before the first start.
const TMenuRow rows[] = {
    {"New1", "&New", "Ctrl+N", "Start a new hero", true, false},
    {"N1", "", "", "", true, false},
    {"Open1", "&Open...", "Ctrl+O", "Open a hero save folder", true, true},
    {"Import1", "&Import", "", "Import hero file from game's save folder", true, false},
    {"Refresh1", "&Revert", "", "Abort changes and re-open save folder", false, false},
    {"N2", "", "", "", true, false},
    {"Save1", "&Save", "Ctrl+S", "Save the hero folder", false, true},
    {"SaveAs1", "Save &As...", "", "Save the hero folder", true, true},
    {"Export1", "&Export", "Ctrl+X", "Export hero file to game's save folder", true, false},
    {"N3", "", "", "", true, false},
    {"Exit1", "E&xit", "", "Exit the application", true, false},
    {"Undo1", "&Undo", "", "Undo current experience adjustment", true, false},
    {"N4", "", "", "", true, false},
    {"Name1", "&Name...", "", "Edit hero name", true, false},
    {"Model1", "&Model...", "", "Select player model", true, false},
    {"Portrait1", "&Portrait", "", "", true, false},
    {"PicCustom1", "&Custom...", "Ctrl+P", "Select hero portrait (64x64 24-bit bmp)", true, false},
    {"N6", "", "", "", true, false},
    {"PicDefault1", "&Default", "Ctrl+D", "Load default portrait for model", true, false},
    {"PicSkullward1", "&Skullward", "", "Load skullward portrait", true, false},
    {"SkullHelm1", "&Skull Helm", "", "Load skull helm portrait", true, false},
    {"Gold1", "&Gold...", "", "Edit hero gold", true, false},
    {"N5", "", "", "", true, false},
    {"Farmer1", "&Farmer", "", "Set hero to minimum levels", true, false},
    {"Advanced1", "Ad&vanced", "", "Checked to enable advanced menu options", true, false},
    {"MyDocuments1", "&My Documents", "", "Open <My Documents>", true, false},
    {"SaveFolder1", "&Save Folder...", "", "Choose the game's save folder (now %1)", true, false},
    {"N8", "", "", "", true, false},
    {"Help2", "&Help", "F1", "Open online help", true, false},
    {"About1", "&About", "", "Display application version", true, false},
};

// The items of a menu and its submenus, depth first, leaving out generated ones.
void collect(const QMenu *menu, QList<QAction *> &items) {
    for (QAction *item : menu->actions()) {
        if (item->objectName().isEmpty())
            continue;
        items.append(item);
        if (item->menu() && item->objectName() != QStringLiteral("Import1"))
            collect(item->menu(), items);
    }
}

} // namespace

TEST_F(MainWindowTest, MenuHasEveryItemWithItsCaptionShortcutHintAndState) {
    window = std::make_unique<TfrmMain>(folders);
    TfrmMain &w = *window;

    QStringList bar;
    for (QAction *menu : w.menuBar()->actions())
        bar.append(menu->text());
    EXPECT_EQ(bar, QStringList({QStringLiteral("&File"), QStringLiteral("&Edit"),
                                QStringLiteral("Her&os"), QStringLiteral("&Help")}));

    QList<QAction *> items;
    for (const QMenu *menu : {w.File1, w.Edit1, w.Help1})
        collect(menu, items);
    ASSERT_EQ(items.size(), static_cast<qsizetype>(std::size(rows)));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const TMenuRow &row = rows[i];
        const QAction *item = items[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(item->objectName(), QString::fromLatin1(row.name));
        EXPECT_EQ(item->isSeparator(), *row.caption == '\0');
        if (item->isSeparator())
            continue;
        EXPECT_EQ(item->text(), QString::fromLatin1(row.caption));
        EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromLatin1(row.shortcut)));
        QString hint = QString::fromLatin1(row.hint);
        if (hint.contains(QStringLiteral("%1")))
            hint = hint.arg(folders.Save);
        EXPECT_EQ(hint(item), hint);
        EXPECT_EQ(item->statusTip(), hint);
        EXPECT_EQ(item->isVisible(), !row.advancedOnly);
        if (!row.advancedOnly) {
            EXPECT_EQ(item->isEnabled(), row.enabled);
        }
    }
    EXPECT_TRUE(w.Advanced1->isCheckable());
    EXPECT_FALSE(w.Advanced1->isChecked());
    EXPECT_EQ(w.PicDefault1->data().toInt(), 0);
    EXPECT_EQ(w.PicSkullward1->data().toInt(), 5);
    EXPECT_EQ(w.SkullHelm1->data().toInt(), 4);
    EXPECT_FALSE(w.Heros1->menuAction()->isVisible());

    w.Advanced1->trigger();
    EXPECT_FALSE(w.Save1->isEnabled()) << "Save starts disabled";
    EXPECT_FALSE(w.Heros1->menuAction()->isEnabled()) << "Heroes starts disabled";
}

TEST_F(MainWindowTest, HeaderDoubleClicksRunTheEditCommands) {
    TfrmMain &w = start();
    QStringList ran;
    // The edit commands themselves open modal dialogs: only their triggering is watched here.
    for (QAction *item : {w.Name1, w.Gold1, w.PicCustom1}) {
        QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
        QObject::connect(item, &QAction::triggered, [&ran, item] { ran << item->objectName(); });
    }
    emit w.lblHero->doubleClicked();
    emit w.lblGold->doubleClicked();
    emit w.imgGold->doubleClicked();
    emit w.imgFrame->doubleClicked();
    EXPECT_EQ(ran, QStringList({QStringLiteral("Name1"), QStringLiteral("Gold1"),
                                QStringLiteral("Gold1"), QStringLiteral("PicCustom1")}));
}

TEST_F(MainWindowTest, DisabledItemsShowTheirHintInTheStatusBarToo) {
    TfrmMain &w = start();
    w.menuBar()->setActiveAction(w.File1->menuAction());
    ASSERT_TRUE(w.File1->isVisible());
    const auto pointAt = [&](QAction *item) {
        // A menu takes the first moves after it opens for the one that opened it.
        for (int dx = 0; dx < 3; ++dx)
            QTest::mouseMove(w.File1, w.File1->actionGeometry(item).center() + QPoint(dx, 0));
        QCoreApplication::processEvents();
        return w.statusBar()->currentMessage();
    };
    ASSERT_FALSE(w.Refresh1->isEnabled());
    EXPECT_EQ(pointAt(w.Refresh1), QStringLiteral("Abort changes and re-open save folder"));
    EXPECT_EQ(pointAt(w.New1), QStringLiteral("Start a new hero"));
    EXPECT_EQ(pointAt(w.Refresh1), QStringLiteral("Abort changes and re-open save folder"));
    EXPECT_EQ(pointAt(w.N2), QString()) << "a separator has no hint";
    w.File1->hide();
}
