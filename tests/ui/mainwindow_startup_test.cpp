// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the settings file, the Heroes menu and the hero's skins as the window sees them.
#include "mainwindow_fixture.h"

#include "hero/races.h"
#include "ui/hints.h"
#include "ui/images.h"
#include "ui/portraitimage.h"
#include "ui/screenplacement.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>

namespace {

QImage iconImage(const QIcon &icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST_F(MainWindowTest, EveryStartShowsTheNewHero) {
    const QString ulf =
        makeHeroFolder(folders.Documents + QStringLiteral("Ulf"), QStringLiteral("Ulf"), 4321);
    writeFile(folders.SettingsFile, QStringLiteral("[Main]\nHero.Folder=%1\n").arg(ulf));

    TfrmMain &w = start();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Thalrex"));
    EXPECT_EQ(w.lblHero->text(), QStringLiteral("Hero"));
    EXPECT_EQ(w.lblHeroShd->text(), QStringLiteral("Hero"));
    EXPECT_EQ(w.lblTitle->text(), QStringLiteral("Corpse"));
    EXPECT_EQ(w.lblTitleShd->text(), QStringLiteral("Corpse"));
    EXPECT_EQ(w.lblGold->text(), QStringLiteral("100"));
    EXPECT_EQ(w.lblUber->text(), QStringLiteral("0"));
    EXPECT_EQ(w.Hero->model(), dsrSkeleton_Good);
    EXPECT_TRUE(w.Hero->isNew());
    EXPECT_FALSE(w.lblMod->isVisible());
    EXPECT_FALSE(w.Save1->isEnabled());
    EXPECT_FALSE(w.imgHero->picture().isNull()) << "the model's built-in portrait";
    EXPECT_EQ(QString::fromStdString(w.Hero->folder()), ulf) << "the kept folder stays";
    w.file1Click();
    EXPECT_FALSE(w.Refresh1->isEnabled()) << "nothing to revert to for a new hero";
}

TEST_F(MainWindowTest, WindowHasItsFixedClientAreaAndFirstRunPlace) {
    TfrmMain &w = start();
    EXPECT_EQ(w.centralWidget()->width(), TfrmMain::ClientWidth);
    EXPECT_EQ(w.centralWidget()->height() + w.statusBar()->height(), TfrmMain::ClientHeight);
    EXPECT_EQ(w.pnlHeader->height(), TfrmMain::HeaderHeight);
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "not resizable";
    EXPECT_EQ(w.pos(),
              pullOntoScreen({492, 442}, w.size(), QGuiApplication::primaryScreen()->geometry()))
        << "the first-run place, on the screen";
}

TEST_F(MainWindowTest, FirstRunSettingsAreWrittenAtCloseInTheirExactForm) {
    TfrmMain &w = start();
    ASSERT_TRUE(w.close());
    QString data;
    const QStringList lines = w.moc.lines();
    for (qsizetype i = 0; i < lines.size(); ++i)
        data += QStringLiteral("Item%1=%2\n").arg(i).arg(lines[i]);
    EXPECT_EQ(readFile(folders.SettingsFile),
              QStringLiteral("[Main]\n"
                             "Advanced1.Checked=False\n"
                             "Hero.Folder=%1\n"
                             "dlgPic.InitialDir=%2\n"
                             "dlgOpenTank.InitialDir=%3\n"
                             "FormTop=%4\n"
                             "FormLeft=%5\n"
                             "\n"
                             "[Main.moc.Data]\n"
                             "Count=13\n")
                      .arg(folders.Documents, folders.Pictures, folders.Save,
                           QString::number(w.y()), QString::number(w.x())) +
                  data);
    EXPECT_EQ(lines.last(),
              QStringLiteral("TankCreator=") + folders.Program + QStringLiteral("tankcreator"));
}

TEST_F(MainWindowTest, SettingsAreWrittenOnceEvenWhenTheWindowIsDestroyedAfterClosing) {
    start();
    ASSERT_TRUE(window->close());
    ASSERT_TRUE(QFile::remove(folders.SettingsFile));
    stop();
    EXPECT_FALSE(QFile::exists(folders.SettingsFile));

    start();
    stop();
    EXPECT_TRUE(QFile::exists(folders.SettingsFile)) << "destroyed without a close";
}

TEST_F(MainWindowTest, SettingsFileReplacesTheDefaults) {
    const QString ulf = makeHeroFolder(
        folders.Documents + QStringLiteral("Dungeon Siege/Heroes/Ulf"), QStringLiteral("Ulf"));
    writeFile(folders.SettingsFile, QStringLiteral("[Main]\n"
                                                   "Advanced1.Checked=True\n"
                                                   "dlgPic.InitialDir=/pictures/kept/\n"
                                                   "dlgOpenTank.InitialDir=/parties/kept/\n"
                                                   "[Main.Hero.RecentHeros]\n"
                                                   "Count=2\n"
                                                   "Item0=%1gone/=\"Gone - Level 3 01\"\n"
                                                   "Item1=%2=\"Ulf - Level 7 03\"\n"
                                                   "[Main.moc.Data]\n"
                                                   "Count=2\n"
                                                   "Item0=TankCreator=/opt/rtc/RTC.exe\n"
                                                   "Item1=TankDlgAlways=1\n")
                                        .arg(folders.Documents, ulf));

    TfrmMain &w = start();
    EXPECT_TRUE(w.Advanced1->isChecked());
    for (QAction *item : {w.Open1, w.Save1, w.SaveAs1, w.Heros1->menuAction()})
        EXPECT_TRUE(item->isVisible()) << item->objectName().toStdString();
    EXPECT_EQ(w.dlgPicInitialDir, QStringLiteral("/pictures/kept/"));
    EXPECT_EQ(w.moc.value(QStringLiteral("TankCreator")), QStringLiteral("/opt/rtc/RTC.exe"))
        << "a kept Tank Creator stays";
    EXPECT_EQ(w.moc.lines().size(), 2) << "the list is replaced whole";
    ASSERT_EQ(w.Hero->recentHeros().size(), 1u) << "the vanished folder is dropped";
    EXPECT_EQ(w.Heros1->actions().size(), 1);
    EXPECT_TRUE(w.Heros1->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, HeroesMenuIsDisabledWhenNoRecentFolderRemains) {
    writeFile(folders.SettingsFile,
              QStringLiteral("[Main]\nAdvanced1.Checked=True\n[Main.Hero.RecentHeros]\nCount=1\n"
                             "Item0=%1gone/=\"Gone - Level 3 01\"\n")
                  .arg(folders.Documents));
    TfrmMain &w = start();
    EXPECT_TRUE(w.Hero->recentHeros().empty());
    EXPECT_TRUE(w.Heros1->actions().isEmpty());
    EXPECT_FALSE(w.Heros1->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, HeroesItemsShowCaptionClassIconAndDocumentsHint) {
    const QString ulf = makeHeroFolder(
        folders.Documents + QStringLiteral("Dungeon Siege/Heroes/Ulf"), QStringLiteral("Ulf"), 777);
    const QString odd =
        makeHeroFolder(root.path() + QStringLiteral("/elsewhere/Odd"), QStringLiteral("Odd"));
    writeFile(folders.SettingsFile,
              QStringLiteral("[Main.Hero.RecentHeros]\nCount=2\nItem0=%1=\"Ulf - Level 7 03\"\n"
                             "Item1=%2=\"hand edited\"\n")
                  .arg(ulf, odd));
    TfrmMain &w = start();

    const QList<QAction *> items = w.Heros1->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Ulf - Level 7 "));
    EXPECT_EQ(iconImage(items[0]->icon()), iconImage(classIcon(3)));
    EXPECT_EQ(items[0]->statusTip(), QStringLiteral("<My Documents>/Dungeon Siege/Heroes/Ulf/"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("&hand edited"))
        << "no icon number: the quotes go, the first free access key is taken";
    EXPECT_TRUE(items[1]->icon().isNull());
    EXPECT_EQ(items[1]->statusTip(), odd);

    items[0]->trigger();
    EXPECT_EQ(w.lblHero->text(), QStringLiteral("Ulf"));
    EXPECT_EQ(w.lblGold->text(), QStringLiteral("777"));
    EXPECT_FALSE(w.Hero->isNew());
}

TEST_F(MainWindowTest, KeptPositionIsPulledOntoTheScreen) {
    writeFile(folders.SettingsFile, QStringLiteral("[Main]\nFormTop=90000\nFormLeft=-300\n"));
    TfrmMain &w = start();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w.x(), screen.left());
    EXPECT_EQ(w.y() + w.height(), screen.bottom() + 1);
}

TEST_F(MainWindowTest, UnwritableSettingsFileIsReportedAndTheWindowClosesAllTheSame) {
    folders.SettingsFile = folders.Program + QStringLiteral("blocked/Thalrex.INI");
    writeFile(folders.Program + QStringLiteral("blocked"), QStringLiteral("a file in the way"));
    TfrmMain &w = start();
    desktop.expectMessage(QStringLiteral("Unable to write to ") + folders.SettingsFile,
                          MsgAnswer::Ok);
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, GetSkinsAnswersTheSettingsListsHeadAndSkinsPerModel) {
    TfrmMain &w = start();
    struct Case {
        TDSRaces model;
        bool known;
        QString head;
        QStringList skins;
    };
    const Case cases[] = {
        {dsrFarmboy,
         true,
         QStringLiteral("default"),
         {QStringLiteral("b_c_gah_fb_skin_005,b_c_gah_fb_hair_004"),
          QStringLiteral("b_c_pos_a1_pant_010,b_c_pos_a1_shrt_014")}},
        {dsrFarmgirl,
         true,
         QStringLiteral("m_c_gah_fg_hlmt_head-03"),
         {QStringLiteral("b_c_gah_fg_skin_005,b_c_gah_fg_hair_001"),
          QStringLiteral("b_c_pos_a1_pant_004,b_c_pos_a1_shrt_009")}},
        {dsrDwarf,
         true,
         QStringLiteral("default"),
         {QStringLiteral("b_c_gan_df_skin_06"),
          QStringLiteral("b_c_pos_a1_pant_005,b_c_pos_a1_shrt_009")}},
        {dsrSkeleton_Good, true, QStringLiteral("default"), {QStringLiteral("b_c_ecm_sk")}},
        {dsrUnknown, false, QStringLiteral("untouched"), {QStringLiteral("untouched")}},
    };
    for (const Case &c : cases) {
        QString head = QStringLiteral("untouched");
        QStringList skins = {QStringLiteral("untouched")};
        const QString model = QString::fromStdString(raceTemplateName(c.model));
        EXPECT_EQ(w.heroGetSkins(model, head, skins), c.known) << model.toStdString();
        EXPECT_EQ(head, c.head) << model.toStdString();
        EXPECT_EQ(skins, c.skins) << model.toStdString();
    }
}

TEST_F(MainWindowTest, GetSkinsFindsKeysSpelledInCapitals) {
    writeFile(folders.SettingsFile,
              QStringLiteral("[Main.moc.Data]\nCount=3\nItem0=DWARFHEAD=default\n"
                             "Item1=DWARFSKIN0=b_c_gan_df_skin_06\n"
                             "Item2=DWARFSKIN1=b_c_pos_a1_pant_005,b_c_pos_a1_shrt_009\n"));
    TfrmMain &w = start();
    QString head;
    QStringList skins;
    ASSERT_TRUE(w.heroGetSkins(QStringLiteral("Dwarf"), head, skins));
    EXPECT_EQ(head, QStringLiteral("default"));
    EXPECT_EQ(skins, QStringList({QStringLiteral("b_c_gan_df_skin_06"),
                                  QStringLiteral("b_c_pos_a1_pant_005,b_c_pos_a1_shrt_009")}));
    EXPECT_FALSE(w.heroGetSkins(QStringLiteral("Farmboy"), head, skins))
        << "the file's list replaced the first-run one";
}

TEST_F(MainWindowTest, HeaderLabelsCarryTheirHints) {
    TfrmMain &w = start();
    EXPECT_EQ(w.lblHero->toolTip(), QStringLiteral("Name"));
    EXPECT_EQ(w.lblHero->statusTip(), QStringLiteral("Double-click to edit name"));
    EXPECT_EQ(w.lblTitle->statusTip(), QStringLiteral("Classification"));
    EXPECT_EQ(w.lblMod->toolTip(), QString());
    EXPECT_EQ(w.lblMod->statusTip(), QStringLiteral("Changes have been made to hero"));
    EXPECT_EQ(w.lblGold->toolTip(), QStringLiteral("Gold"));
    EXPECT_EQ(w.imgGold->statusTip(), QStringLiteral("Double-click to edit gold"));
    EXPECT_EQ(w.imgFrame->toolTip(), QStringLiteral("Portrait"));
    EXPECT_EQ(w.imgFrame->statusTip(), QStringLiteral("Double-click to select portrait"));
}
