// SPDX-License-Identifier: GPL-3.0-or-later
// The hero's name is game text (Latin-1): the window shows it, keeps it and passes it on whole.
#include "mainwindow_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>

namespace {

const std::string Latin1Name = "Zo\xEB \xC5sa Longname-Smith"; // 22 characters
const QString ShownName = QStringLiteral("Zoë Åsa Longname-Smith");

QString savedLatin1Hero(const QString &folder) {
    TDSHero hero;
    hero.newHero();
    hero.setName(Latin1Name);
    hero.saveFolder(folder.toStdString());
    return QString::fromStdString(hero.folder());
}

} // namespace

TEST_F(MainWindowTest, ALatin1NameSurvivesHeaderHeroesMenuSettingsAndExport) {
    const QString folder = savedLatin1Hero(folders.Documents + ShownName);
    const QString tool = folders.Program + QStringLiteral("tankcreator");
    writeFile(tool, QStringLiteral("a Tank Creator"));
    TfrmMain &w = start();
    w.setSetting(QStringLiteral("TankCreator"), tool);

    w.runCommand([&] { w.openFolder(folder); });
    EXPECT_EQ(w.lblHero->text(), ShownName);
    EXPECT_EQ(w.lblHeroShd->text(), ShownName);
    ASSERT_EQ(w.Heros1->actions().size(), 1);
    EXPECT_EQ(w.Heros1->actions()[0]->text().remove(QLatin1Char('&')),
              ShownName + QStringLiteral(" - Level 0 "));
    EXPECT_EQ(w.Heros1->actions()[0]->statusTip(),
              QStringLiteral("<My Documents>/") + ShownName + QLatin1Char('/'));

    // The Tank Creator is asked for the party named after the hero, in the save folder.
    QStringList toolArguments;
    desktop.onProcessStart([&](const TestDesktop::ProcessStart &start) {
        toolArguments = start.arguments;
        QDir().mkpath(folders.Save);
        QFile out(start.arguments.last());
        return out.open(QIODevice::WriteOnly) && out.write("TANK") == 4;
    });
    desktop.expectMessage(QStringLiteral("Export succeded."), MsgAnswer::Ok);
    w.Export1->trigger();
    ASSERT_EQ(toolArguments.size(), 4);
    EXPECT_EQ(toolArguments.last(), folders.Save + ShownName + QStringLiteral(".dsparty"));
    EXPECT_TRUE(QFile::exists(folders.Save + ShownName + QStringLiteral(".dsparty")));

    // The settings file keeps the line as readable text, and reading it back gives every byte.
    const std::vector<std::string> recent = w.Hero->recentHeros();
    ASSERT_EQ(recent.size(), 1u);
    EXPECT_EQ(recent[0], folder.toStdString() + "=\"" + Latin1Name + " - Level 0 00\"");
    stop();
    EXPECT_TRUE(
        readFile(folders.SettingsFile)
            .contains(QStringLiteral("Item0=%1=\"%2 - Level 0 00\"").arg(folder, ShownName)));
    start();
    EXPECT_EQ(window->Hero->recentHeros(), recent);
}

TEST_F(MainWindowTest, ANewHeroWithALatin1NameIsSavedInAFolderOfThatName) {
    TfrmMain &w = start();
    w.Hero->setName(Latin1Name);
    w.Save1->trigger();
    EXPECT_EQ(QString::fromStdString(w.Hero->folder()),
              folders.Imports + ShownName + QLatin1Char('/'));
    EXPECT_TRUE(QFile::exists(folders.Imports + ShownName + QStringLiteral("/Party.gas")));
}
