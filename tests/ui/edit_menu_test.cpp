// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero.h"
#include "mainwindow_fixture.h"
#include "tests/ui/modal.h"
#include "ui/clicklabel.h"
#include "ui/ds_label.h"
#include "ui/ds_shape.h"
#include "ui/frm_name.h"
#include "ui/frm_portraits.h"
#include "ui/frm_race.h"
#include "ui/frmmain.h"
#include "ui/portraitimage.h"
#include "ui/skill_panels.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QImage Rgb(const QImage &image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// The shown main window with the new hero it starts with and its skill panels.
class EditMenu : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Start();
        panels = window->findChild<TDSSkillPanels *>();
        ASSERT_NE(panels, nullptr);
    }

    TDSHero &Hero() { return *window->Hero; }
    QImage Builtin(int n) {
        const TDSImageData data = Hero().Portraits()->BuiltInPortrait(n);
        return Rgb(QImage::fromData(data.data(), int(data.size())));
    }
    QImage Shown() { return Rgb(window->imgHero->Picture()); }

    TDSSkillPanels *panels = nullptr;
};

TEST_F(EditMenu, TheWindowGivesItsHeroTheBuiltInPortraits) {
    TfrmMain fresh(folders);
    EXPECT_NE(dynamic_cast<TfrmPortraits *>(fresh.Hero->Portraits()), nullptr);
    EXPECT_NE(fresh.findChild<TDSSkillPanels *>(), nullptr);
}

TEST_F(EditMenu, NewHeroShowsItsModelsPortraitAndClearedPanels) {
    EXPECT_TRUE(Hero().IsNew());
    EXPECT_FALSE(Hero().Modified());
    EXPECT_EQ(Shown(), Builtin(Hero().Model()));
    EXPECT_EQ(panels->Row('S').lblL->text(), "10");
    EXPECT_EQ(panels->Row('M').L->width(), 1);
    EXPECT_EQ(panels->shpHPMN()->statusTip(), "Health: 49  Mana: 30");
}

TEST_F(EditMenu, NameCommandCancelledKeepsTheHeroAndAcceptedRenamesIt) {
    WhenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmName *>(d);
        QTest::keyClicks(dialog->edtName(), "Ulf");
        QTest::mouseClick(dialog->Button2(), Qt::LeftButton);
    });
    window->Name1->trigger();
    EXPECT_FALSE(Hero().Modified());
    EXPECT_EQ(Hero().HeroName(), "Hero");

    WhenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmName *>(d);
        dialog->edtName()->clear();
        QTest::keyClicks(dialog->edtName(), "Ulf");
        QTest::mouseClick(dialog->Button1(), Qt::LeftButton);
    });
    window->Name1->trigger();
    EXPECT_EQ(Hero().HeroName(), "Ulf");
    EXPECT_EQ(window->lblHero->text(), "Ulf");
    EXPECT_TRUE(Hero().Modified());
}

TEST_F(EditMenu, ModelCommandOnANewHeroLoadsTheModelsPortrait) {
    WhenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmRace *>(d);
        EXPECT_EQ(dialog->ItemIndex(), 3) << "the new hero is a skeleton";
        dialog->SetItemIndex(1);
        QTest::mouseClick(dialog->Button1(), Qt::LeftButton);
    });
    window->Model1->trigger();
    EXPECT_EQ(Hero().Model(), dsrFarmgirl);
    EXPECT_EQ(Shown(), Builtin(1));
    EXPECT_TRUE(Hero().Modified());
}

TEST_F(EditMenu, BuiltInPortraitItems) {
    window->SkullHelm1->trigger();
    EXPECT_EQ(Shown(), Builtin(4));
    EXPECT_TRUE(Hero().Modified());
    window->PicSkullward1->trigger();
    EXPECT_EQ(Shown(), Builtin(5));
    window->PicDefault1->trigger();
    EXPECT_EQ(Shown(), Builtin(Hero().Model()));
}

TEST_F(EditMenu, CustomPortraitTakesTheFileAndRemembersItsFolder) {
    QImage small(32, 32, QImage::Format_RGB32);
    small.fill(Qt::magenta);
    const QString path = root.filePath("small.bmp");
    ASSERT_TRUE(small.save(path, "BMP"));
    desktop.ExpectFilePick(path);
    window->PicCustom1->trigger();
    EXPECT_EQ(window->imgHero->Picture().size(), QSize(32, 32));
    EXPECT_TRUE(Hero().Modified());
    EXPECT_EQ(window->dlgPicInitialDir, root.path() + "/");
    EXPECT_EQ(desktop.Prompts().back().file.initialFolder, root.path() + "/Pictures/");
}

TEST_F(EditMenu, UnreadableCustomPortraitIsReportedAndChangesNothing) {
    const QString path = root.filePath("empty.bmp");
    QFile(path).open(QIODevice::WriteOnly);
    desktop.ExpectFilePick(path).ExpectMessage("Bitmap image is not valid", MsgAnswer::Ok);
    window->PicCustom1->trigger();
    EXPECT_EQ(Shown(), Builtin(Hero().Model()));
    EXPECT_FALSE(Hero().Modified());
    EXPECT_EQ(window->dlgPicInitialDir, root.path() + "/Pictures/");
}

TEST_F(EditMenu, DraggingMeleeUpdatesHeaderAndGauge) {
    TDSShape *bar = panels->Row('M').B;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 6));
    for (int x = 200; x <= 200 * 12; x += 100)
        QTest::mouseMove(bar, QPoint(x, 6));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(200 * 12, 6));
    EXPECT_EQ(Hero().Melee().CurrentLevel(), 12);
    EXPECT_EQ(panels->Row('M').lblL->text(), "12");
    EXPECT_EQ(window->lblUber->text().toInt(), int(Hero().Uber()));
    EXPECT_GT(Hero().Strength().Level(), 10);
    EXPECT_NE(panels->shpHPMN()->statusTip(), "Health: 49  Mana: 30");
    EXPECT_GT(panels->shpHealth()->height(), 10);
}

} // namespace
