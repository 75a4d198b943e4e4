// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the settings file, the Heroes menu and the hero's clothes as the window sees them.
#include "main_window_fixture.h"

#include "ui/images.h"
#include "ui/portrait_view.h"
#include "ui/screen_placement.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QStatusBar>

namespace {

QImage iconImage(const QIcon &icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST_F(MainWindowTest, EveryStartShowsTheNewHero) {
    const QString ulf =
        makeHeroFolder(folders.documents + QStringLiteral("Ulf"), QStringLiteral("Ulf"), 4321);
    writeFile(folders.settingsFile, QStringLiteral("[Main]\nHero.Folder=%1\n").arg(ulf));

    MainWindow &w = start();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Thalrex"));
    const std::pair<const char *, const char *> shown[] = {
        {"name", "Hero"}, {"title", "Corpse"}, {"gold", "100"}, {"uberLevel", "0"}};
    for (const auto &[label, caption] : shown) {
        EXPECT_EQ(text(label), QString::fromLatin1(caption)) << label;
        EXPECT_EQ(shadowText(label), QString::fromLatin1(caption)) << label;
    }
    EXPECT_EQ(hero().model(), HeroModel::SkeletonGood);
    EXPECT_TRUE(hero().isNew());
    EXPECT_FALSE(find(QStringLiteral("modifiedMark"))->isVisible());
    EXPECT_FALSE(action(QStringLiteral("saveAction"))->isEnabled());
    EXPECT_FALSE(find<PortraitView>(QStringLiteral("portrait"))->picture().isNull())
        << "the model's built-in portrait";
    EXPECT_EQ(session->heroFolder(), ulf) << "the kept folder stays";
    openMenu(QStringLiteral("fileMenu"));
    EXPECT_FALSE(action(QStringLiteral("revertAction"))->isEnabled())
        << "nothing to revert to for a new hero";
}

TEST_F(MainWindowTest, WindowHasItsFixedClientAreaAndFirstRunPlace) {
    MainWindow &w = start();
    EXPECT_EQ(w.centralWidget()->width(), MainWindow::clientWidth);
    EXPECT_EQ(w.centralWidget()->height() + w.statusBar()->height(), MainWindow::clientHeight);
    EXPECT_EQ(find<QWidget>(QStringLiteral("header"))->height(), MainWindow::headerHeight);
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "not resizable";
    EXPECT_EQ(w.pos(),
              pullOntoScreen({492, 442}, w.size(), QGuiApplication::primaryScreen()->geometry()))
        << "the first-run place, on the screen";
}

TEST_F(MainWindowTest, FirstRunSettingsAreWrittenAtCloseInTheirExactForm) {
    MainWindow &w = start();
    ASSERT_TRUE(w.close());
    EXPECT_EQ(readFile(folders.settingsFile),
              QStringLiteral("[Main]\n"
                             "Advanced1.Checked=False\n"
                             "Hero.Folder=%1\n"
                             "dlgPic.InitialDir=%2\n"
                             "dlgOpenTank.InitialDir=%3\n"
                             "FormTop=%4\n"
                             "FormLeft=%5\n"
                             "\n"
                             "[Main.moc.Data]\n"
                             "Count=13\n"
                             "Item0=farmboyhead=default\n"
                             "Item1=farmboyskin0=b_c_gah_fb_skin_005,b_c_gah_fb_hair_004\n"
                             "Item2=farmboyskin1=b_c_pos_a1_pant_010,b_c_pos_a1_shrt_014\n"
                             "Item3=farmgirlhead=m_c_gah_fg_hlmt_head-03\n"
                             "Item4=farmgirlskin0=b_c_gah_fg_skin_005,b_c_gah_fg_hair_001\n"
                             "Item5=farmgirlskin1=b_c_pos_a1_pant_004,b_c_pos_a1_shrt_009\n"
                             "Item6=dwarfhead=default\n"
                             "Item7=dwarfskin0=b_c_gan_df_skin_06\n"
                             "Item8=dwarfskin1=b_c_pos_a1_pant_005,b_c_pos_a1_shrt_009\n"
                             "Item9=skeleton_goodhead=default\n"
                             "Item10=skeleton_goodskin0=b_c_ecm_sk\n"
                             "Item11=TankDlgAlways=0\n"
                             "Item12=TankCreator=%6tankcreator\n")
                  .arg(folders.documents, folders.pictures, folders.save, QString::number(w.y()),
                       QString::number(w.x()), folders.program));
}

TEST_F(MainWindowTest, SettingsAreWrittenOnceEvenWhenTheWindowIsDestroyedAfterClosing) {
    start();
    ASSERT_TRUE(window->close());
    ASSERT_TRUE(QFile::remove(folders.settingsFile));
    window.reset();
    EXPECT_FALSE(QFile::exists(folders.settingsFile));

    start();
    window.reset();
    EXPECT_TRUE(QFile::exists(folders.settingsFile)) << "destroyed without a close";
    hero().setGold(5); // the session outlives the window, which no longer follows its hero
}

TEST_F(MainWindowTest, SettingsFileReplacesTheDefaults) {
    const QString ulf = makeHeroFolder(
        folders.documents + QStringLiteral("Dungeon Siege/Heroes/Ulf"), QStringLiteral("Ulf"));
    writeFile(folders.settingsFile, QStringLiteral("[Main]\n"
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
                                        .arg(folders.documents, ulf));

    start();
    EXPECT_TRUE(action(QStringLiteral("advancedAction"))->isChecked());
    for (const char *item : {"openAction", "saveAction", "saveAsAction", "heroesMenu"})
        EXPECT_TRUE(action(QString::fromLatin1(item))->isVisible()) << item;
    EXPECT_EQ(session->settings().portraitFolder, QStringLiteral("/pictures/kept/"));
    EXPECT_EQ(session->settings().partyFolder, QStringLiteral("/parties/kept/"));
    EXPECT_EQ(session->settingsList().lines(),
              QStringList({QStringLiteral("TankCreator=/opt/rtc/RTC.exe"),
                           QStringLiteral("TankDlgAlways=1")}))
        << "the list is replaced whole, a kept Tank Creator stays";
    EXPECT_EQ(hero().recentHeroes().lines().size(), 1u) << "the vanished folder is dropped";
    EXPECT_EQ(menu(QStringLiteral("heroesMenu"))->actions().size(), 1);
    EXPECT_TRUE(action(QStringLiteral("heroesMenu"))->isEnabled());
}

TEST_F(MainWindowTest, HeroesMenuIsDisabledWhenNoRecentFolderRemains) {
    writeFile(folders.settingsFile,
              QStringLiteral("[Main]\nAdvanced1.Checked=True\n[Main.Hero.RecentHeros]\nCount=1\n"
                             "Item0=%1gone/=\"Gone - Level 3 01\"\n")
                  .arg(folders.documents));
    start();
    EXPECT_TRUE(hero().recentHeroes().lines().empty());
    EXPECT_TRUE(menu(QStringLiteral("heroesMenu"))->actions().isEmpty());
    EXPECT_FALSE(action(QStringLiteral("heroesMenu"))->isEnabled());
}

TEST_F(MainWindowTest, HeroesItemsShowCaptionClassIconAndDocumentsHintAndOpenTheirFolder) {
    const QString ulf = makeHeroFolder(
        folders.documents + QStringLiteral("Dungeon Siege/Heroes/Ulf"), QStringLiteral("Ulf"), 777);
    const QString odd =
        makeHeroFolder(root.path() + QStringLiteral("/elsewhere/Odd"), QStringLiteral("Odd"));
    writeFile(folders.settingsFile,
              QStringLiteral("[Main.Hero.RecentHeros]\nCount=2\nItem0=%1=\"Ulf - Level 7 03\"\n"
                             "Item1=%2=\"hand edited\"\n")
                  .arg(ulf, odd));
    start();

    const QList<QAction *> items = menu(QStringLiteral("heroesMenu"))->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Ulf - Level 7 "));
    EXPECT_EQ(iconImage(items[0]->icon()), iconImage(classIcon(3)));
    EXPECT_EQ(items[0]->statusTip(), QStringLiteral("<My Documents>/Dungeon Siege/Heroes/Ulf/"));
    EXPECT_EQ(items[0]->data().toString(), ulf);
    EXPECT_EQ(items[1]->text(), QStringLiteral("&hand edited"))
        << "no icon number: the quotes go, the first free access key is taken";
    EXPECT_TRUE(items[1]->icon().isNull());
    EXPECT_EQ(items[1]->statusTip(), odd);

    items[0]->trigger();
    EXPECT_EQ(text(QStringLiteral("name")), QStringLiteral("Ulf"));
    EXPECT_EQ(text(QStringLiteral("gold")), QStringLiteral("777"));
    EXPECT_FALSE(hero().isNew());
}

TEST_F(MainWindowTest, HeroFoldersHoldingAnEqualsSignComeBackThroughTheSettingsFile) {
    const QString upper =
        makeHeroFolder(root.path() + QStringLiteral("/a=b/Ulf"), QStringLiteral("Ulf"), 321);
    const QString lower =
        makeHeroFolder(root.path() + QStringLiteral("/a=b/ulf"), QStringLiteral("ulf"));
    start();
    action(QStringLiteral("advancedAction"))->trigger();
    desktop.expectFolderPick(upper).expectFolderPick(lower);
    action(QStringLiteral("openAction"))->trigger();
    action(QStringLiteral("openAction"))->trigger();
    stop();
    start();

    const QList<QAction *> items = menu(QStringLiteral("heroesMenu"))->actions();
    ASSERT_EQ(items.size(), 2) << "folders that differ in case are two heroes";
    EXPECT_EQ(items[0]->data().toString(), lower);
    EXPECT_EQ(items[1]->data().toString(), upper);
    items[1]->trigger();
    EXPECT_EQ(text(QStringLiteral("gold")), QStringLiteral("321"));
}

TEST_F(MainWindowTest, KeptPositionIsPulledOntoTheScreen) {
    writeFile(folders.settingsFile, QStringLiteral("[Main]\nFormTop=90000\nFormLeft=-300\n"));
    MainWindow &w = start();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w.x(), screen.left());
    EXPECT_EQ(w.y() + w.height(), screen.bottom() + 1);
}

TEST_F(MainWindowTest, UnwritableSettingsFileIsReportedAndTheWindowClosesAllTheSame) {
    folders.settingsFile = folders.program + QStringLiteral("blocked/Thalrex.INI");
    writeFile(folders.program + QStringLiteral("blocked"), QStringLiteral("a file in the way"));
    MainWindow &w = start();
    desktop.expectMessage(QStringLiteral("Unable to write to ") + folders.settingsFile,
                          MsgAnswer::Ok);
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, ModelsAreDressedInTheSettingsListsHeadAndSkins) {
    struct Case {
        const char *model;
        bool inFile; // also dressed by the list of the file below
        QString head;
        QStringList skins; // empty: not dressed
    };
    const Case cases[] = {
        {"Farmboy",
         false,
         "default",
         {"b_c_gah_fb_skin_005,b_c_gah_fb_hair_004", "b_c_pos_a1_pant_010,b_c_pos_a1_shrt_014"}},
        {"Farmgirl",
         false,
         "m_c_gah_fg_hlmt_head-03",
         {"b_c_gah_fg_skin_005,b_c_gah_fg_hair_001", "b_c_pos_a1_pant_004,b_c_pos_a1_shrt_009"}},
        {"Dwarf",
         true,
         "default",
         {"b_c_gan_df_skin_06", "b_c_pos_a1_pant_005,b_c_pos_a1_shrt_009"}},
        {"Skeleton_Good", false, "default", {"b_c_ecm_sk"}},
        {"Unknown", false, {}, {}},
    };
    // The first run's list, then a file's list of keys in capitals, which replaces it whole.
    for (bool fromFile : {false, true}) {
        if (fromFile)
            writeFile(folders.settingsFile,
                      "[Main.moc.Data]\nCount=3\nItem0=DWARFHEAD=default\n"
                      "Item1=DWARFSKIN0=b_c_gan_df_skin_06\n"
                      "Item2=DWARFSKIN1=b_c_pos_a1_pant_005,b_c_pos_a1_shrt_009\n");
        EditorSession editor(folders, desktop);
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << c.model << (fromFile ? " from the file" : ""));
            const std::optional<ModelClothes> clothes = editor.hero().clothesOf(c.model);
            const bool dressed = !c.skins.isEmpty() && (c.inFile || !fromFile);
            ASSERT_EQ(clothes.has_value(), dressed);
            if (!dressed)
                continue;
            EXPECT_EQ(QString::fromStdString(clothes->head), c.head);
            QStringList skins;
            for (const std::string &skin : clothes->skins)
                skins << QString::fromStdString(skin);
            EXPECT_EQ(skins, c.skins);
        }
    }
}

TEST_F(MainWindowTest, HeaderLabelsCarryTheirHints) {
    start();
    const struct {
        const char *name, *toolTip, *statusTip;
    } cases[] = {
        {"name", "Name", "Double-click to edit name"},
        {"title", "Classification", "Classification"},
        {"modifiedMark", "", "Changes have been made to hero"},
        {"gold", "Gold", "Double-click to edit gold"},
        {"goldCoin", "", "Double-click to edit gold"},
        {"portraitFrame", "Portrait", "Double-click to select portrait"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(find(QString::fromLatin1(c.name))->toolTip(), QString::fromLatin1(c.toolTip))
            << c.name;
        EXPECT_EQ(find(QString::fromLatin1(c.name))->statusTip(), QString::fromLatin1(c.statusTip))
            << c.name;
    }
}

TEST_F(MainWindowTest, AnAllBlackPortraitSaysSoInItsHint) {
    start();
    QImage black(64, 64, QImage::Format_RGB888);
    black.fill(Qt::black);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && black.save(&buffer, "BMP"));
    hero().setPortrait(ImageBytes(bytes.begin(), bytes.end()));
    EXPECT_TRUE(find(QStringLiteral("portraitFrame"))->statusTip().contains("all black"));
    EXPECT_TRUE(find(QStringLiteral("portraitFrame"))->statusTip().contains("Edit > Portrait"));
    hero().loadBuiltInPortrait(0);
    EXPECT_EQ(find(QStringLiteral("portraitFrame"))->statusTip(),
              "Double-click to select portrait");
}
