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

QImage rgb(const QImage &image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// The shown main window with the new hero it starts with and its skill panels.
class EditMenu : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
        panels = window->findChild<TDSSkillPanels *>();
        ASSERT_NE(panels, nullptr);
    }

    TDSHero &Hero() { return *window->Hero; }
    QImage builtin(int n) {
        const TDSImageData data = Hero().portraits()->builtInPortrait(n);
        return rgb(QImage::fromData(data.data(), int(data.size())));
    }
    QImage Shown() { return rgb(window->imgHero->picture()); }

    TDSSkillPanels *panels = nullptr;
};

TEST_F(EditMenu, TheWindowGivesItsHeroTheBuiltInPortraits) {
    TfrmMain fresh(folders);
    EXPECT_NE(dynamic_cast<TfrmPortraits *>(fresh.Hero->portraits()), nullptr);
    EXPECT_NE(fresh.findChild<TDSSkillPanels *>(), nullptr);
}

TEST_F(EditMenu, NewHeroShowsItsModelsPortraitAndClearedPanels) {
    EXPECT_TRUE(Hero().isNew());
    EXPECT_FALSE(Hero().modified());
    EXPECT_EQ(Shown(), builtin(Hero().model()));
    EXPECT_EQ(panels->row('S').lblL->text(), "10");
    EXPECT_EQ(panels->row('M').L->width(), 1);
    EXPECT_EQ(panels->shpHPMN()->statusTip(), "Health: 49  Mana: 30");
}

TEST_F(EditMenu, NameCommandCancelledKeepsTheHeroAndAcceptedRenamesIt) {
    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmName *>(d);
        QTest::keyClicks(dialog->edtName(), "Ulf");
        QTest::mouseClick(dialog->button2(), Qt::LeftButton);
    });
    window->Name1->trigger();
    EXPECT_FALSE(Hero().modified());
    EXPECT_EQ(Hero().heroName(), "Hero");

    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmName *>(d);
        dialog->edtName()->clear();
        QTest::keyClicks(dialog->edtName(), "Ulf");
        QTest::mouseClick(dialog->button1(), Qt::LeftButton);
    });
    window->Name1->trigger();
    EXPECT_EQ(Hero().heroName(), "Ulf");
    EXPECT_EQ(window->lblHero->text(), "Ulf");
    EXPECT_TRUE(Hero().modified());
}

TEST_F(EditMenu, ModelCommandOnANewHeroLoadsTheModelsPortrait) {
    whenModal([](QDialog *d) {
        auto *dialog = static_cast<TfrmRace *>(d);
        EXPECT_EQ(dialog->itemIndex(), 3) << "the new hero is a skeleton";
        dialog->setItemIndex(1);
        QTest::mouseClick(dialog->button1(), Qt::LeftButton);
    });
    window->Model1->trigger();
    EXPECT_EQ(Hero().model(), dsrFarmgirl);
    EXPECT_EQ(Shown(), builtin(1));
    EXPECT_TRUE(Hero().modified());
}

TEST_F(EditMenu, BuiltInPortraitItems) {
    window->SkullHelm1->trigger();
    EXPECT_EQ(Shown(), builtin(4));
    EXPECT_TRUE(Hero().modified());
    window->PicSkullward1->trigger();
    EXPECT_EQ(Shown(), builtin(5));
    window->PicDefault1->trigger();
    EXPECT_EQ(Shown(), builtin(Hero().model()));
}

TEST_F(EditMenu, CustomPortraitTakesTheFileAndRemembersItsFolder) {
    QImage small(32, 32, QImage::Format_RGB32);
    small.fill(Qt::magenta);
    const QString path = root.filePath("small.bmp");
    ASSERT_TRUE(small.save(path, "BMP"));
    desktop.expectFilePick(path);
    window->PicCustom1->trigger();
    EXPECT_EQ(window->imgHero->picture().size(), QSize(32, 32));
    EXPECT_TRUE(Hero().modified());
    EXPECT_EQ(window->dlgPicInitialDir, root.path() + "/");
    EXPECT_EQ(desktop.prompts().back().file.initialFolder, root.path() + "/Pictures/");
}

TEST_F(EditMenu, UnreadableCustomPortraitIsReportedAndChangesNothing) {
    const QString path = root.filePath("empty.bmp");
    QFile(path).open(QIODevice::WriteOnly);
    desktop.expectFilePick(path).expectMessage("Bitmap image is not valid", MsgAnswer::Ok);
    window->PicCustom1->trigger();
    EXPECT_EQ(Shown(), builtin(Hero().model()));
    EXPECT_FALSE(Hero().modified());
    EXPECT_EQ(window->dlgPicInitialDir, root.path() + "/Pictures/");
}

TEST_F(EditMenu, DraggingMeleeUpdatesHeaderAndGauge) {
    TDSShape *bar = panels->row('M').B;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 6));
    for (int x = 200; x <= 200 * 12; x += 100)
        QTest::mouseMove(bar, QPoint(x, 6));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(200 * 12, 6));
    EXPECT_EQ(Hero().melee().currentLevel(), 12);
    EXPECT_EQ(panels->row('M').lblL->text(), "12");
    EXPECT_EQ(window->lblUber->text().toInt(), int(Hero().uber()));
    EXPECT_GT(Hero().strength().Level(), 10);
    EXPECT_NE(panels->shpHPMN()->statusTip(), "Health: 49  Mana: 30");
    EXPECT_GT(panels->shpHealth()->height(), 10);
}

} // namespace
