// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/experience.h"
#include "hero/hero.h"
#include "testapplication.h"
#include "ui/ds_button.h"
#include "ui/ds_label.h"
#include "ui/ds_shape.h"
#include "ui/skill_panels.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

long double Start(int level) {
    return ExperienceTable[level];
}

// A hero bound to shown skill panels, every row refreshed, melee committed at the start of
// level 5.
class SkillPanels : public ::testing::Test {
protected:
    void SetUp() override {
        TestApplication();
        panels = std::make_unique<TDSSkillPanels>();
        panels->resize(361, 123);
        panels->show();
        panels->ResetPanels();
        panels->Bind(&hero);
        hero.ResetToMinimum();
        hero.Melee().LoadExperience(Start(5));
        hero.SetUberExperience(hero.TotalExperience());
        hero.CommitCurrent();
        hero.MarkUnmodified();
    }
    void TearDown() override {
        // QTest remembers held buttons across tests; let go of them.
        if (!panels)
            return;
        QTest::mouseRelease(panels->Row('M').B, Qt::LeftButton, {}, QPoint(1, 5));
        QTest::mouseRelease(panels->Row('M').B, Qt::RightButton, {}, QPoint(1, 5));
    }

    TDSShape *Bar() const { return panels->Row('M').B; }
    // Mouse positions on the melee bar; y stays inside the shape.
    static QPoint At(int x) { return QPoint(x, 6); }
    long double MeleeLevelPosition() {
        return hero.Melee().CurrentLevel() + hero.Melee().PercentOfLevel() / 100;
    }

    TDSHero hero;
    std::unique_ptr<TDSSkillPanels> panels;
};

TEST_F(SkillPanels, RowsAreLaidOutWithTheirHintsAndTags) {
    const TDSPanelRow &m = panels->Row('M');
    EXPECT_EQ(m.pnl->geometry(), QRect(92, 59, 201, 14));
    EXPECT_EQ(m.B->objectName(), "shpMB");
    EXPECT_EQ(m.B->SkillType(), dskMelee);
    EXPECT_EQ(m.D->SkillType(), dskMelee);
    EXPECT_EQ(m.E->SkillType(), dskNone);
    EXPECT_EQ(m.B->Hero(), &hero);
    EXPECT_EQ(m.B->toolTip(), "Adjust Experience");
    EXPECT_EQ(m.B->statusTip(), "Drag the bar left or right to adjust experience");
    EXPECT_EQ(m.L->toolTip(), "Levels Gained");
    EXPECT_EQ(m.E->toolTip(), "Percent of Next Level Gained");
    EXPECT_EQ(m.down->objectName(), "DSButton2");
    EXPECT_EQ(m.down->geometry(), QRect(80, 60, 12, 11));
    EXPECT_EQ(m.down->Tag(), 0);
    EXPECT_EQ(m.up->objectName(), "spdM");
    EXPECT_EQ(m.up->x(), 293);
    EXPECT_EQ(m.up->Tag(), 1);
    EXPECT_EQ(m.up->toolTip(), "Increase to Next Level");
    EXPECT_EQ(panels->Row('N').lblL->toolTip(), "Nature Magic");
    EXPECT_EQ(panels->Row('R').down->objectName(), "DSButton1");
    const TDSPanelRow &s = panels->Row('S');
    EXPECT_EQ(s.pnl->y(), 3);
    EXPECT_EQ(s.D->toolTip(), "Percent of Next Level Gained");
    EXPECT_TRUE(s.B->toolTip().isEmpty());
    EXPECT_EQ(s.down, nullptr);
    EXPECT_EQ(panels->Row('C').pnl->y(), 107);
}

TEST_F(SkillPanels, OnlyTheBarAndItsDragShapeStartADrag) {
    const TDSPanelRow &m = panels->Row('M');
    m.E->SetWidth(50); // as it shows after an adjustment within the level
    const struct {
        TDSShape *shape;
        bool drags;
    } cases[] = {{m.B, true}, {m.D, true}, {m.U, false}, {m.L, false}, {m.E, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shape->objectName().toStdString());
        EXPECT_EQ(c.shape->cursor().shape() == Qt::UpArrowCursor, c.drags);
        QTest::mousePress(c.shape, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(panels->Dragging, c.drags);
        QTest::mouseRelease(c.shape, Qt::LeftButton, {}, QPoint(2, 2));
    }
}

TEST_F(SkillPanels, EveryFractionTextFitsItsLabel) {
    for (QChar letter : QStringLiteral("SDIMRNC")) {
        const TDSLabel *label = panels->Row(letter).lblE;
        EXPECT_EQ(label->x(), 330);
        for (const char *text : {".9999", ".8888", ".2025", ".0505", ".4444", ".7777"})
            EXPECT_LE(label->fontMetrics().horizontalAdvance(QString::fromLatin1(text)),
                      label->contentsRect().width())
                << text << " in row " << letter.toLatin1();
    }
}

TEST_F(SkillPanels, PressAtTheLeftEdgeAndInTheMiddle) {
    QTest::mousePress(Bar(), Qt::LeftButton, {}, At(100));
    EXPECT_TRUE(panels->Dragging);
    EXPECT_EQ(hero.Melee().CurrentLevel(), 5);
    EXPECT_NEAR(double(hero.Melee().PercentOfLevel()), 50.0, 1e-6);
    EXPECT_EQ(panels->Row('M').D->width(), 100);
    EXPECT_EQ(panels->Row('M').lblE->text(), ".5");
    EXPECT_EQ(panels->Row('M').lblL->text(), "5");
    QTest::mouseRelease(Bar(), Qt::LeftButton, {}, At(100));
    EXPECT_FALSE(panels->Dragging);

    QTest::mousePress(Bar(), Qt::LeftButton, {}, At(0));
    EXPECT_TRUE(panels->Dragging) << "the start of the committed level is no limit";
    EXPECT_EQ(hero.Melee().Experience(), Start(5));
    EXPECT_EQ(panels->Row('M').D->width(), 0);
    EXPECT_EQ(panels->Row('M').lblE->text(), "");
}

TEST_F(SkillPanels, PressOnTheDeltaShapeCountsFromThePanelEdge) {
    QTest::mousePress(Bar(), Qt::LeftButton, {}, At(150)); // D is now 150 wide at x = 1
    QTest::mouseRelease(Bar(), Qt::LeftButton, {}, At(150));
    QTest::mousePress(panels->Row('M').D, Qt::LeftButton, {}, QPoint(99, 3));
    EXPECT_NEAR(double(hero.Melee().PercentOfLevel()), 50.0, 1e-6);
}

TEST_F(SkillPanels, DragAcrossTheRightEndAndBack) {
    QTest::mousePress(Bar(), Qt::LeftButton, {}, At(150));
    EXPECT_NEAR(double(MeleeLevelPosition()), 5.75, 1e-9);
    const int strengthBefore = hero.Strength().CurrentLevel();
    const long double uberBefore = hero.Uber();

    QTest::mouseMove(Bar(), At(250));
    EXPECT_EQ(panels->LastWrap, 1);
    EXPECT_EQ(panels->LastX, 250);
    EXPECT_NEAR(double(MeleeLevelPosition()), 6.25, 1e-9);
    EXPECT_FALSE(panels->Row('M').E->isVisible()) << "the level left the committed one";
    EXPECT_EQ(panels->Row('M').lblL->text(), "6");
    EXPECT_GT(hero.Uber(), uberBefore);
    EXPECT_GT(hero.Strength().Experience(), 0) << "strength grows with melee";
    EXPECT_GE(hero.Strength().CurrentLevel(), strengthBefore);

    QTest::mouseMove(Bar(), At(150));
    EXPECT_EQ(panels->LastWrap, 0);
    EXPECT_NEAR(double(MeleeLevelPosition()), 5.75, 1e-9);
    EXPECT_TRUE(panels->Row('M').E->isVisible());
    EXPECT_TRUE(panels->Dragging);
    EXPECT_TRUE(hero.CanUndo());
}

TEST_F(SkillPanels, ReachingTheFloorEndsTheDragWithoutARelease) {
    QTest::mousePress(Bar(), Qt::LeftButton, {}, At(100));
    QTest::mouseMove(Bar(), At(-150)); // 25 % into level 4, below the committed start of 5
    EXPECT_TRUE(hero.Melee().AtLimit());
    EXPECT_FALSE(panels->Dragging);
    EXPECT_EQ(hero.Melee().Experience(), Start(5));

    QTest::mouseMove(Bar(), At(180));
    EXPECT_EQ(hero.Melee().Experience(), Start(5)) << "moves after the limit do nothing";
}

TEST_F(SkillPanels, ReachingTheTopLevelEndsTheDrag) {
    hero.Melee().LoadExperience(Start(149));
    QTest::mousePress(Bar(), Qt::LeftButton, {}, At(100));
    EXPECT_TRUE(panels->Dragging);
    QTest::mouseMove(Bar(), At(500)); // two wraps: beyond the last level
    EXPECT_EQ(hero.Melee().CurrentLevel(), 150);
    EXPECT_EQ(hero.Melee().Experience(), Start(150));
    EXPECT_FALSE(panels->Dragging);
    EXPECT_EQ(panels->Row('M').L->width(), 201);
}

TEST_F(SkillPanels, RightButtonOnABarDoesNothing) {
    QTest::mousePress(Bar(), Qt::RightButton, {}, At(150));
    EXPECT_FALSE(panels->Dragging);
    QTest::mouseMove(Bar(), At(190));
    EXPECT_EQ(hero.Melee().Experience(), Start(5));
    EXPECT_FALSE(hero.Modified());
}

TEST_F(SkillPanels, PressOnAnAttributeBarDoesNothing) {
    QTest::mousePress(panels->Row('S').B, Qt::LeftButton, {}, At(150));
    EXPECT_EQ(hero.Strength().Experience(), 0);
    EXPECT_FALSE(hero.Modified());
}

TEST_F(SkillPanels, HoldingTheUpButtonRepeatsEverFaster) {
    TDSButton *up = panels->Row('M').up;
    QTimer *tmr = panels->tmr();
    QTest::mousePress(up, Qt::LeftButton);
    EXPECT_EQ(hero.Melee().Experience(), Start(6));
    EXPECT_TRUE(tmr->isActive());
    EXPECT_EQ(tmr->interval(), 1250);

    const int intervals[] = {625, 312, 156, 78, 50, 50};
    int level = 6;
    for (int interval : intervals) {
        panels->tmrTimer(); // one tick of the repeat timer
        ++level;
        EXPECT_EQ(tmr->interval(), interval);
        EXPECT_TRUE(tmr->isActive());
        EXPECT_EQ(hero.Melee().Experience(), Start(level));
    }
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_FALSE(tmr->isActive());
    EXPECT_EQ(hero.Melee().CurrentLevel(), 12);
    EXPECT_EQ(panels->Row('M').lblL->text(), "12");
}

TEST_F(SkillPanels, DownButtonGoesToTheLevelStartThenALevelLowerWithAnyMouseButton) {
    TDSButton *down = panels->Row('M').down;
    QTest::mouseClick(panels->Row('M').up, Qt::LeftButton);
    QTest::mouseClick(panels->Row('M').up, Qt::LeftButton);
    QTest::mousePress(Bar(), Qt::LeftButton, {}, At(60));
    QTest::mouseRelease(Bar(), Qt::LeftButton, {}, At(60));
    EXPECT_NEAR(double(MeleeLevelPosition()), 7.3, 1e-9);

    QTest::mousePress(down, Qt::RightButton);
    EXPECT_EQ(hero.Melee().Experience(), Start(7)) << "first back to the level's start";
    EXPECT_TRUE(panels->tmr()->isActive());
    QTest::mouseRelease(down, Qt::RightButton);
    EXPECT_FALSE(panels->tmr()->isActive());

    QTest::mouseClick(down, Qt::MiddleButton);
    EXPECT_EQ(hero.Melee().Experience(), Start(6));
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(hero.Melee().Experience(), Start(5)) << "the committed start is the floor";
    EXPECT_TRUE(hero.Melee().AtLimit());
}

TEST_F(SkillPanels, LevelStripWidths) {
    EXPECT_EQ(panels->Row('S').L->width(), 14) << "strength shows level 10";
    EXPECT_EQ(panels->Row('S').lblL->text(), "10");
    EXPECT_EQ(panels->Row('R').L->width(), 1) << "ranged at level 0";
    hero.Ranged().LoadExperience(Start(150));
    EXPECT_EQ(panels->Row('R').L->width(), 201);
    EXPECT_EQ(panels->Row('R').lblL->text(), "150");

    TDSShape &bar = *panels->Row('R').B;
    EXPECT_EQ(bar.LevelToWidth(0), 1);
    EXPECT_EQ(bar.LevelToWidth(10), 14);
    EXPECT_EQ(bar.LevelToWidth(150), 201);
    EXPECT_EQ(bar.PercentToWidth(50), 100);
    EXPECT_EQ(bar.PercentToWidth(99.99), 199);
    EXPECT_EQ(bar.PercentToWidth(0.25), 1) << "half a pixel rounds away from zero";
    EXPECT_DOUBLE_EQ(bar.PercentAt(100), 50.0);
}

TEST_F(SkillPanels, GaugeAtTheMinimumAndCapped) {
    hero.ResetToMinimum();
    panels->UpdateHealthMana();
    TDSShape *frame = panels->shpHPMN();
    EXPECT_EQ(frame->geometry(), QRect(294, 3, 10, 46));
    EXPECT_EQ(frame->statusTip(), "Health: 49  Mana: 30");
    EXPECT_EQ(panels->shpHealth()->toolTip(), "Health");
    EXPECT_EQ(panels->shpMana()->toolTip(), "Mana");
    EXPECT_EQ(panels->shpMana()->statusTip(), "Health: 49  Mana: 30");
    EXPECT_EQ(panels->shpHealth()->geometry(), QRect(295, 38, 4, 10));
    EXPECT_EQ(panels->shpMana()->geometry(), QRect(299, 42, 4, 6));

    hero.Strength().LoadExperience(Start(150));
    panels->UpdateHealthMana();
    EXPECT_EQ(panels->shpHealth()->height(), 44);
    EXPECT_EQ(panels->shpHealth()->geometry().bottom(), frame->geometry().bottom() - 1);
    EXPECT_EQ(panels->shpMana()->height(), 20) << "mana 180: 8 ln 180 - 21";
}

TEST_F(SkillPanels, ResetPanelsClearsEveryRow) {
    QTest::mousePress(Bar(), Qt::LeftButton, {}, At(150));
    panels->ResetPanels();
    EXPECT_EQ(panels->LastX, -1);
    for (const TDSPanelRow &row : panels->Rows()) {
        EXPECT_EQ(row.L->width(), 1);
        EXPECT_EQ(row.D->width(), 0);
        EXPECT_EQ(row.E->width(), 0);
        EXPECT_EQ(row.lblL->text(), "0");
        EXPECT_EQ(row.lblE->text(), "");
    }
}

TEST_F(SkillPanels, BindingFollowsHeroAndSkillTypeAndDropsARemovedHero) {
    TDSShape &bar = *panels->Row('M').B;
    EXPECT_EQ(bar.Skill(), &hero.Melee());
    bar.SetSkillType(dskCombat);
    EXPECT_EQ(bar.Skill(), &hero.Combat());
    bar.SetSkillType(dskNone);
    EXPECT_EQ(bar.Skill(), nullptr);
    bar.SetSkillType(dskMelee);

    TDSHero other;
    bar.DropHero(&other);
    EXPECT_EQ(bar.Hero(), &hero) << "another hero's removal is not ours";
    panels->HeroRemoved();
    EXPECT_EQ(bar.Hero(), nullptr);
    EXPECT_EQ(bar.Skill(), nullptr);
    EXPECT_EQ(panels->Row('M').up->Skill(), nullptr);
    QTest::mousePress(Bar(), Qt::LeftButton, {}, At(150));
    EXPECT_EQ(hero.Melee().Experience(), Start(5)) << "an unbound bar adjusts nothing";
}

TEST_F(SkillPanels, DestroyedPanelsLeaveTheHeroWithoutDisplays) {
    panels.reset();
    EXPECT_EQ(hero.Melee().BarDelta(), nullptr);
    EXPECT_EQ(hero.Strength().LblLevel(), nullptr);
    hero.Melee().AdjustExperience(150); // must not touch the destroyed widgets
    EXPECT_EQ(hero.Melee().CurrentLevel(), 6);
}

} // namespace
