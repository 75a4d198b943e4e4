// SPDX-License-Identifier: GPL-3.0-or-later
// The hero's name is game text (Latin-1): the window shows it, keeps it and passes it on whole.
#include "main_window_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const std::string latin1Name = "Zo\xEB \xC5sa Longname-Smith"; // 22 characters
const QString shownName = QStringLiteral("Zoë Åsa Longname-Smith");

} // namespace

TEST_F(MainWindowTest, ALatin1NameSurvivesHeaderHeroesMenuSettingsAndExport) {
    Hero made;
    made.startNew();
    made.setName(latin1Name);
    made.saveFolder((folders.documents + shownName).toStdString(), folders.save.toStdString());
    const QString folder = QString::fromStdString(made.folder());
    const QString tool = qEnvironmentVariable("THALREX_PROGRAM_DIR") + "/tankcreator";
    ASSERT_TRUE(QFile::copy(KEGTAP_LIBRARY, folders.program + "libkegtap.so")); // reads it back
    start();
    session->settingsList().setValue("TankCreator", tool);

    action("advancedAction")->trigger();
    desktop.expectFolderPick(folder);
    action("openAction")->trigger();
    EXPECT_EQ(text("name"), shownName);
    EXPECT_EQ(shadowText("name"), shownName);
    const QList<QAction *> heroes = menu("heroesMenu")->actions();
    ASSERT_EQ(heroes.size(), 1);
    EXPECT_EQ(heroes[0]->text().remove('&'), shownName + " - Level 0 ");
    EXPECT_EQ(heroes[0]->statusTip(), "<My Documents>/" + shownName + '/');

    // The Tank Creator is asked for the party named after the hero, which lands in the save
    // folder.
    desktop.runProcesses();
    desktop.expectMessage("Export succeded.", MsgAnswer::Ok);
    action("exportAction")->trigger();
    ASSERT_EQ(desktop.processStarts().size(), 1u);
    EXPECT_EQ(QFileInfo(desktop.processStarts()[0].arguments.last()).fileName(),
              shownName + ".dsparty");
    EXPECT_TRUE(QFile::exists(folders.save + shownName + ".dsparty"));

    // The settings file keeps the line as readable text, and reading it back gives every byte.
    const std::vector<std::string> recent = hero().recentHeroes().lines();
    ASSERT_EQ(recent.size(), 1u);
    EXPECT_EQ(recent[0], folder.toStdString() + "=\"" + latin1Name + " - Level 0 00\"");
    stop();
    EXPECT_TRUE(
        readFile(folders.settingsFile)
            .contains(QStringLiteral("Item0=%1=\"%2 - Level 0 00\"").arg(folder, shownName)));
    start();
    EXPECT_EQ(hero().recentHeroes().lines(), recent);
}

TEST_F(MainWindowTest, ANewHeroWithALatin1NameIsSavedInAFolderOfThatName) {
    start();
    hero().setName(latin1Name);
    action("saveAction")->trigger();
    EXPECT_EQ(session->heroFolder(), folders.imports + shownName + '/');
    EXPECT_TRUE(QFile::exists(folders.imports + shownName + "/Party.gas"));
}
