// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: asking to save, saving, reverting, undo, Farmer and the rest.
#include "mainwindow_fixture.h"

#include "hero/game_save_folder.h"
#include "ui/hints.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QUrl>

namespace {

const QString AskText =
    QStringLiteral("The hero has been modified.\r\rDo you want to save the changes?");

QString gold(const TfrmMain &w) {
    return w.lblGold->text();
}

// Raises melee by one whole level, an undoable adjustment.
void trainMelee(TfrmMain &w) {
    w.Hero->melee().adjustExperience(100);
}

} // namespace

TEST_F(MainWindowTest, AskToSaveAsksNothingForAnUnmodifiedHero) {
    TfrmMain &w = start();
    EXPECT_TRUE(w.askToSave());
    EXPECT_TRUE(desktop.prompts().empty());
}

TEST_F(MainWindowTest, AskToSaveNoDiscardsAndCancelKeeps) {
    TfrmMain &w = start();
    w.Hero->setGold(5);
    desktop.expectMessage(AskText, MsgAnswer::No).expectMessage(AskText, MsgAnswer::Cancel);
    EXPECT_TRUE(w.askToSave());
    EXPECT_FALSE(w.askToSave());
    EXPECT_TRUE(w.Hero->modified());
    EXPECT_FALSE(QDir(folders.Imports).exists()) << "nothing saved";
    const TestDesktop::Prompt &asked = desktop.prompts().front();
    EXPECT_EQ(asked.type, MsgType::Warning);
    EXPECT_EQ(asked.buttons, MsgButtons::YesNoCancel);
}

TEST_F(MainWindowTest, AskToSaveYesSavesAnOpenedHeroIntoItsFolder) {
    const QString ulf =
        makeHeroFolder(folders.Documents + QStringLiteral("Ulf"), QStringLiteral("Ulf"), 10);
    TfrmMain &w = start();
    w.openFolder(ulf);
    w.Hero->setGold(55);
    desktop.expectMessage(AskText, MsgAnswer::Yes);
    EXPECT_TRUE(w.askToSave());
    EXPECT_FALSE(w.Hero->modified());
    EXPECT_TRUE(readFile(ulf + QStringLiteral("Party.gas")).contains(QStringLiteral("gold = 55;")));
}

TEST_F(MainWindowTest, AskToSaveYesWithoutASaveKeepsTheUnsavedHero) {
    TfrmMain &w = start();
    w.Advanced1->trigger();
    w.Hero->setGold(5);
    // Yes, then the folder browser is cancelled: the New that asked must not go ahead.
    desktop.expectMessage(AskText, MsgAnswer::Yes).expectFolderPick(QString());
    w.New1->trigger();
    EXPECT_EQ(gold(w), QStringLiteral("5"));
    EXPECT_TRUE(w.Hero->modified());
    EXPECT_TRUE(w.Hero->isNew());
    EXPECT_FALSE(QDir(folders.Imports).exists());
}

TEST_F(MainWindowTest, FailedSaveStopsThePendingActionAndIsShown) {
    writeFile(folders.Program + QStringLiteral("Imports"), QStringLiteral("a file in the way"));
    TfrmMain &w = start();
    w.Hero->setGold(5);
    desktop.expectMessage(AskText, MsgAnswer::Yes)
        .expectMessageContaining(QStringLiteral("Error saving hero.\r\n"), MsgAnswer::Ok);
    w.New1->trigger();
    EXPECT_EQ(gold(w), QStringLiteral("5")) << "the hero was not replaced";
    EXPECT_EQ(desktop.prompts().back().type, MsgType::Error);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, SaveOfANewHeroOutsideAdvancedModeGoesToImportsFolderAndName) {
    TfrmMain &w = start();
    w.Hero->setName("Ulf");
    EXPECT_TRUE(w.lblMod->isVisible());
    w.Save1->trigger();
    const QString saved = folders.Imports + QStringLiteral("Ulf/");
    EXPECT_EQ(QString::fromStdString(w.Hero->folder()), saved);
    EXPECT_TRUE(QFileInfo(saved + QStringLiteral("Info.gas")).isFile());
    EXPECT_TRUE(QFileInfo(saved + QStringLiteral("Party.gas")).isFile());
    EXPECT_TRUE(QFileInfo(saved + QStringLiteral("Portrait-0.bmp")).isFile());
    EXPECT_FALSE(w.Hero->isNew());
    EXPECT_FALSE(w.lblMod->isVisible());
    EXPECT_TRUE(desktop.prompts().empty());
}

TEST_F(MainWindowTest, SaveOfANewHeroInAdvancedModeAsksForAFolder) {
    TfrmMain &w = start();
    w.Advanced1->trigger();
    EXPECT_FALSE(w.Save1->isEnabled());
    w.Hero->setName("Ulf");
    EXPECT_TRUE(w.Save1->isEnabled()) << "enabled while the hero is modified";
    const QString chosen = root.path() + QStringLiteral("/chosen");
    desktop.expectFolderPick(chosen);
    w.Save1->trigger();
    ASSERT_EQ(desktop.prompts().size(), 1u);
    EXPECT_EQ(desktop.prompts()[0].folder.label, QStringLiteral("Save hero in folder:"));
    EXPECT_EQ(desktop.prompts()[0].folder.initial, folders.Documents)
        << "the hero's folder, which starts as the documents folder";
    EXPECT_TRUE(desktop.prompts()[0].folder.newFolder);
    EXPECT_TRUE(QFileInfo(chosen + QStringLiteral("/Party.gas")).isFile());
    EXPECT_FALSE(QDir(folders.Imports).exists());
    EXPECT_FALSE(w.Save1->isEnabled());
}

TEST_F(MainWindowTest, OpenBrowsesFromTheHerosFolderAndErrorsLeaveTheWindowUsable) {
    const QString ulf =
        makeHeroFolder(folders.Documents + QStringLiteral("Ulf"), QStringLiteral("Ulf"), 321);
    const QString empty = root.path() + QStringLiteral("/empty");
    ASSERT_TRUE(QDir().mkpath(empty));
    TfrmMain &w = start();
    w.Advanced1->trigger();

    desktop.expectFolderPick(empty).expectMessageContaining(
        QStringLiteral("Error opening hero.\r\n"), MsgAnswer::Ok);
    w.Open1->trigger();
    EXPECT_EQ(w.lblHero->text(), QStringLiteral("Hero"));
    EXPECT_TRUE(w.Hero->isNew());

    desktop.expectFolderPick(ulf);
    w.Open1->trigger();
    EXPECT_EQ(w.lblHero->text(), QStringLiteral("Ulf"));
    EXPECT_EQ(gold(w), QStringLiteral("321"));
    EXPECT_EQ(desktop.prompts().back().folder.label, QStringLiteral("Select a hero folder:"));
    EXPECT_EQ(w.Heros1->actions().size(), 1) << "the Heroes menu follows the recent heroes";
}

TEST_F(MainWindowTest, RevertIsEnabledForAnOpenedModifiedHeroAndRereadsItWithoutAsking) {
    const QString ulf =
        makeHeroFolder(folders.Documents + QStringLiteral("Ulf"), QStringLiteral("Ulf"), 10);
    TfrmMain &w = start();
    w.openFolder(ulf);
    w.file1Click();
    EXPECT_FALSE(w.Refresh1->isEnabled()) << "unmodified";
    w.Hero->setGold(99);
    w.file1Click();
    EXPECT_TRUE(w.Refresh1->isEnabled());

    w.Refresh1->trigger();
    EXPECT_EQ(gold(w), QStringLiteral("10"));
    EXPECT_FALSE(w.Hero->modified());
    EXPECT_TRUE(desktop.prompts().empty());

    w.Hero->setGold(99);
    ASSERT_TRUE(QDir(ulf).removeRecursively());
    w.file1Click();
    EXPECT_FALSE(w.Refresh1->isEnabled()) << "the folder is gone";
}

TEST_F(MainWindowTest, UndoIsEnabledExactlyWhenTheHeroCanUndo) {
    TfrmMain &w = start();
    w.edit1Click();
    EXPECT_FALSE(w.Undo1->isEnabled());
    trainMelee(w);
    w.edit1Click();
    EXPECT_TRUE(w.Undo1->isEnabled());
    EXPECT_EQ(w.lblTitle->text(), QStringLiteral("Squire"));
    w.Undo1->trigger();
    EXPECT_EQ(w.Hero->melee().Level(), 0);
    EXPECT_EQ(w.lblTitle->text(), QStringLiteral("Corpse"));
    w.edit1Click();
    EXPECT_FALSE(w.Undo1->isEnabled());
}

TEST_F(MainWindowTest, UberLevelShowsItsFractionInTheStatusText) {
    TfrmMain &w = start();
    w.Hero->melee().adjustExperience(250);
    const long double uber = w.Hero->uber();
    ASSERT_GT(uber, 0);
    EXPECT_EQ(w.lblUber->text(), QString::number(static_cast<long long>(uber)));
    EXPECT_EQ(w.lblUber->toolTip(), QStringLiteral("Uber Level"));
    EXPECT_EQ(w.lblUber->statusTip(),
              QStringLiteral("Level: ") + QString::number(static_cast<double>(uber), 'f', 5));
    w.Hero->melee().adjustExperience(50);
    EXPECT_EQ(w.lblUber->toolTip(), QStringLiteral("Uber Level")) << "the hint does not grow";
}

TEST_F(MainWindowTest, FarmerAsksOnlyForAnOpenedHero) {
    const QString ulf =
        makeHeroFolder(folders.Documents + QStringLiteral("Ulf"), QStringLiteral("Ulf"));
    TfrmMain &w = start();
    trainMelee(w);
    w.Farmer1->trigger();
    EXPECT_EQ(w.Hero->melee().Level(), 0) << "a new hero is reset at once";
    EXPECT_TRUE(desktop.prompts().empty());

    w.Hero->saveFolder(ulf.toStdString());
    trainMelee(w);
    desktop.expectMessageContaining(QStringLiteral("\r\rProceed?"), MsgAnswer::Cancel);
    w.Farmer1->trigger();
    EXPECT_EQ(w.Hero->melee().Level(), 1) << "Cancel leaves the hero";
    EXPECT_EQ(desktop.prompts().back().buttons, MsgButtons::YesCancel);
    EXPECT_TRUE(desktop.prompts().back().text.startsWith(
        QStringLiteral("This may adversely affect any equipment the hero is wearing.")));

    desktop.expectMessageContaining(QStringLiteral("\r\rProceed?"), MsgAnswer::Yes);
    w.Farmer1->trigger();
    EXPECT_EQ(w.Hero->melee().Level(), 0);
}

TEST_F(MainWindowTest, ExitAsksOnceAndNoCloses) {
    TfrmMain &w = start();
    w.Hero->setGold(5);
    desktop.expectMessage(AskText, MsgAnswer::No);
    w.Exit1->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(desktop.prompts().size(), 1u);
    EXPECT_TRUE(QFile::exists(folders.SettingsFile));
}

TEST_F(MainWindowTest, ExitCancelledKeepsTheWindowOpenAndWritesNothing) {
    TfrmMain &w = start();
    w.Hero->setGold(5);
    desktop.expectMessage(AskText, MsgAnswer::Cancel);
    w.Exit1->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(QFile::exists(folders.SettingsFile));
}

TEST_F(MainWindowTest, AdvancedTogglesTheAdvancedItems) {
    TfrmMain &w = start();
    const QList<QAction *> advanced = {w.Open1, w.Save1, w.SaveAs1, w.Heros1->menuAction()};
    for (QAction *item : advanced)
        EXPECT_FALSE(item->isVisible());
    w.Advanced1->trigger();
    EXPECT_TRUE(w.Advanced1->isChecked());
    for (QAction *item : advanced)
        EXPECT_TRUE(item->isVisible());
    w.advanced1Click();
    EXPECT_FALSE(w.Advanced1->isChecked());
    for (QAction *item : advanced)
        EXPECT_FALSE(item->isVisible());
}

TEST_F(MainWindowTest, HelpOpensTheShippedPageAndReportsAMissingOne) {
    TfrmMain &w = start();
    desktop.expectMessage(QStringLiteral("The help page %1 is missing.").arg(w.helpPage()),
                          MsgAnswer::Ok);
    w.Help2->trigger();
    EXPECT_TRUE(desktop.openedUrls().empty());

    ASSERT_TRUE(QDir().mkpath(folders.Program + QStringLiteral("help")));
    writeFile(w.helpPage(), QStringLiteral("<html></html>"));
    w.Help2->trigger();
    ASSERT_EQ(desktop.openedUrls().size(), 1u);
    EXPECT_EQ(desktop.openedUrls()[0],
              QUrl::fromLocalFile(folders.Program + QStringLiteral("help/index.html")));
}

TEST_F(MainWindowTest, MyDocumentsAndAboutGoThroughTheDesktop) {
    TfrmMain &w = start();
    w.MyDocuments1->trigger();
    ASSERT_EQ(desktop.openedUrls().size(), 1u);
    EXPECT_EQ(desktop.openedUrls()[0], QUrl::fromLocalFile(folders.Documents));

    desktop.expectMessageContaining(QStringLiteral("Version 1.3a"), MsgAnswer::Ok);
    w.About1->trigger();
    EXPECT_TRUE(desktop.prompts().back().text.startsWith(QStringLiteral("Thalrex")));
}

TEST_F(MainWindowTest, TheShippedHelpPageExplainsTheCommands) {
    QFile page(qEnvironmentVariable("THALREX_PROGRAM_DIR") + QStringLiteral("/help/index.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
    const QString text = QString::fromUtf8(page.readAll());
    for (const char *command :
         {"New", "Open...", "Import", "Revert", "Save", "Export", "Exit", "Undo", "Farmer",
          "Heroes", "Advanced", "My Documents", "Save Folder...", "About"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(command))) << command;
}

TEST_F(MainWindowTest, SaveFolderChosenByHandServesImportAndIsKept) {
    writeFile(folders.Program + QStringLiteral("libkegtap.so"), QStringLiteral("listing needs it"));
    TfrmMain &w = start();
    const QString chosen = root.path() + QStringLiteral("/prefix/drive_c/users/me/Documents/Save");
    ASSERT_TRUE(QDir().mkpath(chosen));
    writeFile(chosen + QStringLiteral("/Bob.dsparty"), QStringLiteral("tank"));

    desktop.expectFolderPick(QString());
    w.SaveFolder1->trigger();
    EXPECT_EQ(QString::fromStdString(gameSaveFolder()), folders.Save) << "a cancel changes nothing";
    desktop.expectFolderPick(chosen);
    w.SaveFolder1->trigger();
    const TestDesktop::Prompt &pick = desktop.prompts().back();
    EXPECT_EQ(pick.folder.label, QStringLiteral("Select the game's save folder:"));
    EXPECT_EQ(pick.folder.initial, folders.Save);

    const QString saveFolder = chosen + QLatin1Char('/');
    EXPECT_EQ(QString::fromStdString(gameSaveFolder()), saveFolder);
    EXPECT_TRUE(hint(w.SaveFolder1).contains(saveFolder));
    QStringList listed;
    for (const QAction *item : w.Import1->actions())
        listed << item->statusTip();
    EXPECT_TRUE(listed.contains(saveFolder + QStringLiteral("Bob.dsparty")))
        << listed.join(',').toStdString();
    desktop.expectMessageContaining(QStringLiteral("Save folder: ") + saveFolder, MsgAnswer::Ok);
    w.About1->trigger();

    stop();
    EXPECT_TRUE(
        readFile(folders.SettingsFile).contains(QStringLiteral("SaveFolder=") + saveFolder));
}
