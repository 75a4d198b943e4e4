// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: asking to save, saving, reverting, undo, Farmer and the rest.
#include "main_window_fixture.h"

#include "ui/hints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString askText = "The hero has been modified.\r\rDo you want to save the changes?";

} // namespace

TEST_F(MainWindowTest, NewAsksToSaveOnlyAModifiedHeroAndFollowsTheAnswer) {
    const QString ulf = makeHeroFolder(folders.documents + "Ulf", "Ulf", 10);
    start();
    action("newAction")->trigger();
    EXPECT_TRUE(desktop.prompts().empty()) << "nothing to ask about";

    session->openHero(ulf);
    hero().setGold(55);
    desktop.expectMessage(askText, MsgAnswer::Cancel);
    action("newAction")->trigger();
    EXPECT_EQ(text("gold"), "55") << "Cancel keeps the hero";
    EXPECT_TRUE(hero().isModified());
    EXPECT_EQ(desktop.prompts().back().type, MsgType::Warning);
    EXPECT_EQ(desktop.prompts().back().buttons, MsgButtons::YesNoCancel);

    desktop.expectMessage(askText, MsgAnswer::No);
    action("newAction")->trigger();
    EXPECT_TRUE(hero().isNew()) << "No discards the changes";
    EXPECT_TRUE(readFile(ulf + "Party.gas").contains("gold = 10;"));

    session->openHero(ulf);
    hero().setGold(55);
    desktop.expectMessage(askText, MsgAnswer::Yes);
    action("newAction")->trigger();
    EXPECT_TRUE(hero().isNew());
    EXPECT_TRUE(readFile(ulf + "Party.gas").contains("gold = 55;")) << "Yes saves into its folder";
}

TEST_F(MainWindowTest, AskToSaveYesWithoutASaveKeepsTheUnsavedHero) {
    start();
    action("advancedAction")->trigger();
    hero().setGold(5);
    // Yes, then the folder browser is cancelled: the New that asked must not go ahead.
    desktop.expectMessage(askText, MsgAnswer::Yes).expectFolderPick(QString());
    action("newAction")->trigger();
    EXPECT_EQ(text("gold"), "5");
    EXPECT_TRUE(hero().isModified());
    EXPECT_TRUE(hero().isNew());
    EXPECT_FALSE(QDir(folders.imports).exists());
}

TEST_F(MainWindowTest, FailedSaveStopsThePendingActionAndIsShown) {
    writeFile(folders.program + "Imports", "a file in the way");
    MainWindow &w = start();
    hero().setGold(5);
    desktop.expectMessage(askText, MsgAnswer::Yes)
        .expectMessageContaining("Error saving hero.\r\n", MsgAnswer::Ok);
    action("newAction")->trigger();
    EXPECT_EQ(text("gold"), "5") << "the hero was not replaced";
    EXPECT_EQ(desktop.prompts().back().type, MsgType::Error);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, SaveOfANewHeroOutsideAdvancedModeGoesToImportsFolderAndName) {
    start();
    hero().setName("Ulf");
    EXPECT_TRUE(find("modifiedMark")->isVisible());
    action("saveAction")->trigger();
    const QString saved = folders.imports + "Ulf/";
    EXPECT_EQ(session->heroFolder(), saved);
    for (const char *file : {"Info.gas", "Party.gas", "Portrait-0.bmp"})
        EXPECT_TRUE(QFileInfo(saved + file).isFile()) << file;
    EXPECT_FALSE(hero().isNew());
    EXPECT_FALSE(find("modifiedMark")->isVisible());
    EXPECT_TRUE(desktop.prompts().empty());
}

TEST_F(MainWindowTest, SaveOfANewHeroInAdvancedModeAsksForAFolder) {
    start();
    action("advancedAction")->trigger();
    EXPECT_FALSE(action("saveAction")->isEnabled());
    hero().setName("Ulf");
    EXPECT_TRUE(action("saveAction")->isEnabled()) << "enabled while the hero is modified";
    const QString chosen = root.path() + "/chosen";
    desktop.expectFolderPick(chosen);
    action("saveAction")->trigger();
    ASSERT_EQ(desktop.prompts().size(), 1u);
    EXPECT_EQ(desktop.prompts()[0].folder.label, "Save hero in folder:");
    EXPECT_EQ(desktop.prompts()[0].folder.initial, folders.documents)
        << "the hero's folder, which starts as the documents folder";
    EXPECT_TRUE(desktop.prompts()[0].folder.newFolder);
    EXPECT_TRUE(QFileInfo(chosen + "/Party.gas").isFile());
    EXPECT_FALSE(QDir(folders.imports).exists());
    EXPECT_FALSE(action("saveAction")->isEnabled());
}

TEST_F(MainWindowTest, OpenBrowsesFromTheHerosFolderAndErrorsLeaveTheWindowUsable) {
    const QString ulf = makeHeroFolder(folders.documents + "Ulf", "Ulf", 321);
    const QString empty = root.path() + "/empty";
    ASSERT_TRUE(QDir().mkpath(empty));
    start();
    action("advancedAction")->trigger();

    desktop.expectFolderPick(empty).expectMessageContaining("Error opening hero.\r\n",
                                                            MsgAnswer::Ok);
    action("openAction")->trigger();
    EXPECT_EQ(text("name"), "Hero");
    EXPECT_TRUE(hero().isNew());

    desktop.expectFolderPick(ulf);
    action("openAction")->trigger();
    EXPECT_EQ(text("name"), "Ulf");
    EXPECT_EQ(text("gold"), "321");
    EXPECT_EQ(desktop.prompts().back().folder.label, "Select a hero folder:");
    EXPECT_EQ(menu("heroesMenu")->actions().size(), 1)
        << "the Heroes menu follows the recent heroes";
}

TEST_F(MainWindowTest, RevertIsEnabledForAnOpenedModifiedHeroAndRereadsItWithoutAsking) {
    const QString ulf = makeHeroFolder(folders.documents + "Ulf", "Ulf", 10);
    start();
    session->openHero(ulf);
    QAction *revert = action("revertAction");
    openMenu("fileMenu");
    EXPECT_FALSE(revert->isEnabled()) << "unmodified";
    hero().setGold(99);
    openMenu("fileMenu");
    EXPECT_TRUE(revert->isEnabled());

    revert->trigger();
    EXPECT_EQ(text("gold"), "10");
    EXPECT_FALSE(hero().isModified());
    EXPECT_TRUE(desktop.prompts().empty());

    hero().setGold(99);
    ASSERT_TRUE(QDir(ulf).removeRecursively());
    openMenu("fileMenu");
    EXPECT_FALSE(revert->isEnabled()) << "the folder is gone";
}

TEST_F(MainWindowTest, UndoIsEnabledExactlyWhenTheHeroCanUndo) {
    start();
    QAction *undo = action("undoAction");
    openMenu("editMenu");
    EXPECT_FALSE(undo->isEnabled());
    hero().melee().adjustExperience(100);
    openMenu("editMenu");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(text("title"), "Squire");
    undo->trigger();
    EXPECT_EQ(hero().melee().level(), 0);
    EXPECT_EQ(text("title"), "Corpse");
    openMenu("editMenu");
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(MainWindowTest, UberLevelShowsItsFractionInTheStatusText) {
    start();
    hero().melee().adjustExperience(250);
    const long double uber = hero().uber();
    ASSERT_GT(uber, 0);
    QLabel *label = find("uberLevel");
    EXPECT_EQ(label->text(), QString::number(static_cast<long long>(uber)));
    EXPECT_EQ(label->toolTip(), "Uber Level");
    EXPECT_EQ(label->statusTip(), "Level: " + QString::number(static_cast<double>(uber), 'f', 5));
    hero().melee().adjustExperience(50);
    EXPECT_EQ(label->toolTip(), "Uber Level") << "the hint does not grow";
}

TEST_F(MainWindowTest, FarmerAsksOnlyForAnOpenedHero) {
    const QString ulf = makeHeroFolder(folders.documents + "Ulf", "Ulf");
    start();
    hero().melee().adjustExperience(100);
    action("farmerAction")->trigger();
    EXPECT_EQ(hero().melee().level(), 0) << "a new hero is reset at once";
    EXPECT_TRUE(desktop.prompts().empty());

    session->openHero(ulf);
    hero().melee().adjustExperience(100);
    desktop.expectMessageContaining("\r\rProceed?", MsgAnswer::Cancel);
    action("farmerAction")->trigger();
    EXPECT_EQ(hero().melee().level(), 1) << "Cancel leaves the hero";
    EXPECT_EQ(desktop.prompts().back().buttons, MsgButtons::YesCancel);
    EXPECT_TRUE(desktop.prompts().back().text.startsWith(
        "This may adversely affect any equipment the hero is wearing."));

    desktop.expectMessageContaining("\r\rProceed?", MsgAnswer::Yes);
    action("farmerAction")->trigger();
    EXPECT_EQ(hero().melee().level(), 0);
}

TEST_F(MainWindowTest, ExitAsksOnceThenNoClosesAndCancelKeepsTheWindowAndWritesNothing) {
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Cancel}) {
        MainWindow &w = start();
        QFile::remove(folders.settingsFile); // written as the last window went
        hero().setGold(5);
        desktop.expectMessage(askText, answer);
        action("exitAction")->trigger();
        EXPECT_TRUE(desktop.allAnswered());
        EXPECT_EQ(w.isVisible(), answer == MsgAnswer::Cancel);
        EXPECT_EQ(QFile::exists(folders.settingsFile), answer == MsgAnswer::No);
    }
    EXPECT_EQ(desktop.prompts().size(), 2u) << "asked once each time";
}

TEST_F(MainWindowTest, HelpOpensTheShippedPageAndReportsAMissingOne) {
    start();
    const QString page = folders.program + "help/index.html";
    desktop.expectMessage(QStringLiteral("The help page %1 is missing.").arg(page), MsgAnswer::Ok);
    action("helpAction")->trigger();
    EXPECT_TRUE(desktop.openedUrls().empty());

    ASSERT_TRUE(QDir().mkpath(folders.program + "help"));
    writeFile(page, "<html></html>");
    action("helpAction")->trigger();
    ASSERT_EQ(desktop.openedUrls().size(), 1u);
    EXPECT_EQ(desktop.openedUrls()[0], QUrl::fromLocalFile(page));
}

TEST_F(MainWindowTest, MyDocumentsAndAboutGoThroughTheDesktop) {
    start();
    action("myDocumentsAction")->trigger();
    ASSERT_EQ(desktop.openedUrls().size(), 1u);
    EXPECT_EQ(desktop.openedUrls()[0], QUrl::fromLocalFile(folders.documents));

    desktop.expectMessageContaining("Version 1.3a", MsgAnswer::Ok);
    action("aboutAction")->trigger();
    EXPECT_TRUE(desktop.prompts().back().text.startsWith("Thalrex"));
}

TEST_F(MainWindowTest, TheShippedHelpPageExplainsTheCommands) {
    QFile page(qEnvironmentVariable("THALREX_PROGRAM_DIR") + "/help/index.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
    const QString text = QString::fromUtf8(page.readAll());
    for (const char *command :
         {"New", "Open...", "Import", "Revert", "Save", "Export", "Restore Backup...", "Exit",
          "Undo", "Farmer", "Heroes", "Advanced", "My Documents", "Save Folder...", "About"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(command))) << command;
}

TEST_F(MainWindowTest, SaveFolderChosenByHandServesImportAndIsKept) {
    writeFile(folders.program + "libkegtap.so", "listing needs it");
    const QString loa = folders.documents + "Dungeon Siege LOA/Save/";
    ASSERT_TRUE(QDir().mkpath(loa));
    start();
    const QString chosen = root.path() + "/prefix/drive_c/users/me/Documents/Save";
    ASSERT_TRUE(QDir().mkpath(chosen));
    writeFile(chosen + "/Bob.dsparty", "tank");

    desktop.expectChoice(ItemChoiceSpec::cancelled);
    action("saveFolderAction")->trigger();
    EXPECT_EQ(session->saveFolder(), loa) << "a cancel changes nothing";
    const ItemChoiceSpec offered = desktop.prompts().back().choice;
    EXPECT_EQ(offered.items, QStringList({"The folder holding the newest party",
                                          "Legends of Aranna in the documents folder: " + loa}));
    EXPECT_EQ(offered.current, 0);
    EXPECT_EQ(offered.otherButton, "&Browse...");

    desktop.expectChoice(ItemChoiceSpec::other).expectFolderPick(chosen);
    action("saveFolderAction")->trigger();
    const TestDesktop::Prompt &pick = desktop.prompts().back();
    EXPECT_EQ(pick.folder.label, "Select the game's save folder:");
    EXPECT_EQ(pick.folder.initial, loa);

    const QString saveFolder = chosen + '/';
    EXPECT_EQ(session->saveFolder(), saveFolder);
    EXPECT_TRUE(action("saveFolderAction")->statusTip().contains(saveFolder));
    QStringList listed;
    for (const QAction *item : menu("importMenu")->actions())
        listed << item->data().toString();
    EXPECT_TRUE(listed.contains(saveFolder + "Bob.dsparty")) << listed.join(',').toStdString();
    desktop.expectMessageContaining("Save folder: " + saveFolder, MsgAnswer::Ok);
    action("aboutAction")->trigger();
    stop();
    EXPECT_TRUE(readFile(folders.settingsFile).contains("SaveFolder=" + saveFolder));

    // Back to the editor's own choice, which the settings file forgets.
    start();
    desktop.expectChoice(0);
    action("saveFolderAction")->trigger();
    EXPECT_EQ(session->saveFolder(), loa);
    stop();
    EXPECT_FALSE(readFile(folders.settingsFile).contains("SaveFolder="));
}
