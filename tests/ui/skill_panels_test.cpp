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

long double start(int level) {
    return ExperienceTable[level];
}

// A hero bound to shown skill panels, every row refreshed, melee committed at the start of
// level 5.
class SkillPanels : public ::testing::Test {
protected:
    void SetUp() override {
        testApplication();
        panels = std::make_unique<TDSSkillPanels>();
        panels->resize(361, 123);
        panels->show();
        panels->resetPanels();
        panels->bind(&hero);
        hero.ResetToMinimum();
        hero.melee().loadExperience(start(5));
        hero.setUberExperience(hero.totalExperience());
        hero.commitCurrent();
        hero.markUnmodified();
    }
    void TearDown() override {
        // QTest remembers held buttons across tests; let go of them.
        if (!panels)
            return;
        QTest::mouseRelease(panels->row('M').B, Qt::LeftButton, {}, QPoint(1, 5));
        QTest::mouseRelease(panels->row('M').B, Qt::RightButton, {}, QPoint(1, 5));
    }

    TDSShape *bar() const { return panels->row('M').B; }
    // Mouse positions on the melee bar; y stays inside the shape.
    static QPoint at(int x) { return QPoint(x, 6); }
    long double meleeLevelPosition() {
        return hero.melee().currentLevel() + hero.melee().percentOfLevel() / 100;
    }

    TDSHero hero;
    std::unique_ptr<TDSSkillPanels> panels;
};

TEST_F(SkillPanels, RowsAreLaidOutWithTheirHintsAndTags) {
    const TDSPanelRow &m = panels->row('M');
    EXPECT_EQ(m.pnl->geometry(), QRect(92, 59, 201, 14));
    EXPECT_EQ(m.B->objectName(), "shpMB");
    EXPECT_EQ(m.B->skillType(), dskMelee);
    EXPECT_EQ(m.D->skillType(), dskMelee);
    EXPECT_EQ(m.E->skillType(), dskNone);
    EXPECT_EQ(m.B->Hero(), &hero);
    EXPECT_EQ(m.B->toolTip(), "Adjust Experience");
    EXPECT_EQ(m.B->statusTip(), "Drag the bar left or right to adjust experience");
    EXPECT_EQ(m.L->toolTip(), "Levels Gained");
    EXPECT_EQ(m.E->toolTip(), "Percent of Next Level Gained");
    EXPECT_EQ(m.down->objectName(), "DSButton2");
    EXPECT_EQ(m.down->geometry(), QRect(80, 60, 12, 11));
    EXPECT_EQ(m.down->tag(), 0);
    EXPECT_EQ(m.up->objectName(), "spdM");
    EXPECT_EQ(m.up->x(), 293);
    EXPECT_EQ(m.up->tag(), 1);
    EXPECT_EQ(m.up->toolTip(), "Increase to Next Level");
    EXPECT_EQ(panels->row('N').lblL->toolTip(), "Nature Magic");
    EXPECT_EQ(panels->row('R').down->objectName(), "DSButton1");
    const TDSPanelRow &s = panels->row('S');
    EXPECT_EQ(s.pnl->y(), 3);
    EXPECT_EQ(s.D->toolTip(), "Percent of Next Level Gained");
    EXPECT_TRUE(s.B->toolTip().isEmpty());
    EXPECT_EQ(s.down, nullptr);
    EXPECT_EQ(panels->row('C').pnl->y(), 107);
}

TEST_F(SkillPanels, OnlyTheBarAndItsDragShapeStartADrag) {
    const TDSPanelRow &m = panels->row('M');
    m.E->setWidth(50); // as it shows after an adjustment within the level
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
        const TDSLabel *label = panels->row(letter).lblE;
        EXPECT_EQ(label->x(), 330);
        for (const char *text : {".9999", ".8888", ".2025", ".0505", ".4444", ".7777"})
            EXPECT_LE(label->fontMetrics().horizontalAdvance(QString::fromLatin1(text)),
                      label->contentsRect().width())
                << text << " in row " << letter.toLatin1();
    }
}

TEST_F(SkillPanels, PressAtTheLeftEdgeAndInTheMiddle) {
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(100));
    EXPECT_TRUE(panels->Dragging);
    EXPECT_EQ(hero.melee().currentLevel(), 5);
    EXPECT_NEAR(double(hero.melee().percentOfLevel()), 50.0, 1e-6);
    EXPECT_EQ(panels->row('M').D->width(), 100);
    EXPECT_EQ(panels->row('M').lblE->text(), ".5");
    EXPECT_EQ(panels->row('M').lblL->text(), "5");
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, at(100));
    EXPECT_FALSE(panels->Dragging);

    QTest::mousePress(bar(), Qt::LeftButton, {}, at(0));
    EXPECT_TRUE(panels->Dragging) << "the start of the committed level is no limit";
    EXPECT_EQ(hero.melee().experience(), start(5));
    EXPECT_EQ(panels->row('M').D->width(), 0);
    EXPECT_EQ(panels->row('M').lblE->text(), "");
}

TEST_F(SkillPanels, PressOnTheDeltaShapeCountsFromThePanelEdge) {
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(150)); // D is now 150 wide at x = 1
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, at(150));
    QTest::mousePress(panels->row('M').D, Qt::LeftButton, {}, QPoint(99, 3));
    EXPECT_NEAR(double(hero.melee().percentOfLevel()), 50.0, 1e-6);
}

TEST_F(SkillPanels, DragAcrossTheRightEndAndBack) {
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(150));
    EXPECT_NEAR(double(meleeLevelPosition()), 5.75, 1e-9);
    const int strengthBefore = hero.strength().currentLevel();
    const long double uberBefore = hero.uber();

    QTest::mouseMove(bar(), at(250));
    EXPECT_EQ(panels->LastWrap, 1);
    EXPECT_EQ(panels->LastX, 250);
    EXPECT_NEAR(double(meleeLevelPosition()), 6.25, 1e-9);
    EXPECT_FALSE(panels->row('M').E->isVisible()) << "the level left the committed one";
    EXPECT_EQ(panels->row('M').lblL->text(), "6");
    EXPECT_GT(hero.uber(), uberBefore);
    EXPECT_GT(hero.strength().experience(), 0) << "strength grows with melee";
    EXPECT_GE(hero.strength().currentLevel(), strengthBefore);

    QTest::mouseMove(bar(), at(150));
    EXPECT_EQ(panels->LastWrap, 0);
    EXPECT_NEAR(double(meleeLevelPosition()), 5.75, 1e-9);
    EXPECT_TRUE(panels->row('M').E->isVisible());
    EXPECT_TRUE(panels->Dragging);
    EXPECT_TRUE(hero.canUndo());
}

TEST_F(SkillPanels, ReachingTheFloorEndsTheDragWithoutARelease) {
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(100));
    QTest::mouseMove(bar(), at(-150)); // 25 % into level 4, below the committed start of 5
    EXPECT_TRUE(hero.melee().atLimit());
    EXPECT_FALSE(panels->Dragging);
    EXPECT_EQ(hero.melee().experience(), start(5));

    QTest::mouseMove(bar(), at(180));
    EXPECT_EQ(hero.melee().experience(), start(5)) << "moves after the limit do nothing";
}

TEST_F(SkillPanels, ReachingTheTopLevelEndsTheDrag) {
    hero.melee().loadExperience(start(149));
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(100));
    EXPECT_TRUE(panels->Dragging);
    QTest::mouseMove(bar(), at(500)); // two wraps: beyond the last level
    EXPECT_EQ(hero.melee().currentLevel(), 150);
    EXPECT_EQ(hero.melee().experience(), start(150));
    EXPECT_FALSE(panels->Dragging);
    EXPECT_EQ(panels->row('M').L->width(), 201);
}

TEST_F(SkillPanels, RightButtonOnABarDoesNothing) {
    QTest::mousePress(bar(), Qt::RightButton, {}, at(150));
    EXPECT_FALSE(panels->Dragging);
    QTest::mouseMove(bar(), at(190));
    EXPECT_EQ(hero.melee().experience(), start(5));
    EXPECT_FALSE(hero.modified());
}

TEST_F(SkillPanels, PressOnAnAttributeBarDoesNothing) {
    QTest::mousePress(panels->row('S').B, Qt::LeftButton, {}, at(150));
    EXPECT_EQ(hero.strength().experience(), 0);
    EXPECT_FALSE(hero.modified());
}

TEST_F(SkillPanels, HoldingTheUpButtonRepeatsEverFaster) {
    TDSButton *up = panels->row('M').up;
    QTimer *tmr = panels->tmr();
    QTest::mousePress(up, Qt::LeftButton);
    EXPECT_EQ(hero.melee().experience(), start(6));
    EXPECT_TRUE(tmr->isActive());
    EXPECT_EQ(tmr->interval(), 1250);

    const int intervals[] = {625, 312, 156, 78, 50, 50};
    int level = 6;
    for (int interval : intervals) {
        panels->tmrTimer(); // one tick of the repeat timer
        ++level;
        EXPECT_EQ(tmr->interval(), interval);
        EXPECT_TRUE(tmr->isActive());
        EXPECT_EQ(hero.melee().experience(), start(level));
    }
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_FALSE(tmr->isActive());
    EXPECT_EQ(hero.melee().currentLevel(), 12);
    EXPECT_EQ(panels->row('M').lblL->text(), "12");
}

TEST_F(SkillPanels, DownButtonGoesToTheLevelStartThenALevelLowerWithAnyMouseButton) {
    TDSButton *down = panels->row('M').down;
    QTest::mouseClick(panels->row('M').up, Qt::LeftButton);
    QTest::mouseClick(panels->row('M').up, Qt::LeftButton);
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(60));
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, at(60));
    EXPECT_NEAR(double(meleeLevelPosition()), 7.3, 1e-9);

    QTest::mousePress(down, Qt::RightButton);
    EXPECT_EQ(hero.melee().experience(), start(7)) << "first back to the level's start";
    EXPECT_TRUE(panels->tmr()->isActive());
    QTest::mouseRelease(down, Qt::RightButton);
    EXPECT_FALSE(panels->tmr()->isActive());

    QTest::mouseClick(down, Qt::MiddleButton);
    EXPECT_EQ(hero.melee().experience(), start(6));
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(hero.melee().experience(), start(5)) << "the committed start is the floor";
    EXPECT_TRUE(hero.melee().atLimit());
}

TEST_F(SkillPanels, LevelStripWidths) {
    EXPECT_EQ(panels->row('S').L->width(), 14) << "strength shows level 10";
    EXPECT_EQ(panels->row('S').lblL->text(), "10");
    EXPECT_EQ(panels->row('R').L->width(), 1) << "ranged at level 0";
    hero.ranged().loadExperience(start(150));
    EXPECT_EQ(panels->row('R').L->width(), 201);
    EXPECT_EQ(panels->row('R').lblL->text(), "150");

    TDSShape &bar = *panels->row('R').B;
    EXPECT_EQ(bar.levelToWidth(0), 1);
    EXPECT_EQ(bar.levelToWidth(10), 14);
    EXPECT_EQ(bar.levelToWidth(150), 201);
    EXPECT_EQ(bar.percentToWidth(50), 100);
    EXPECT_EQ(bar.percentToWidth(99.99), 199);
    EXPECT_EQ(bar.percentToWidth(0.25), 1) << "half a pixel rounds away from zero";
    EXPECT_DOUBLE_EQ(bar.percentAt(100), 50.0);
}

TEST_F(SkillPanels, GaugeAtTheMinimumAndCapped) {
    hero.ResetToMinimum();
    panels->updateHealthMana();
    TDSShape *frame = panels->shpHPMN();
    EXPECT_EQ(frame->geometry(), QRect(294, 3, 10, 46));
    EXPECT_EQ(frame->statusTip(), "Health: 49  Mana: 30");
    EXPECT_EQ(panels->shpHealth()->toolTip(), "Health");
    EXPECT_EQ(panels->shpMana()->toolTip(), "Mana");
    EXPECT_EQ(panels->shpMana()->statusTip(), "Health: 49  Mana: 30");
    EXPECT_EQ(panels->shpHealth()->geometry(), QRect(295, 38, 4, 10));
    EXPECT_EQ(panels->shpMana()->geometry(), QRect(299, 42, 4, 6));

    hero.strength().loadExperience(start(150));
    panels->updateHealthMana();
    EXPECT_EQ(panels->shpHealth()->height(), 44);
    EXPECT_EQ(panels->shpHealth()->geometry().bottom(), frame->geometry().bottom() - 1);
    EXPECT_EQ(panels->shpMana()->height(), 20) << "mana 180: 8 ln 180 - 21";
}

TEST_F(SkillPanels, ResetPanelsClearsEveryRow) {
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(150));
    panels->resetPanels();
    EXPECT_EQ(panels->LastX, -1);
    for (const TDSPanelRow &row : panels->rows()) {
        EXPECT_EQ(row.L->width(), 1);
        EXPECT_EQ(row.D->width(), 0);
        EXPECT_EQ(row.E->width(), 0);
        EXPECT_EQ(row.lblL->text(), "0");
        EXPECT_EQ(row.lblE->text(), "");
    }
}

TEST_F(SkillPanels, BindingFollowsHeroAndSkillTypeAndDropsARemovedHero) {
    TDSShape &bar = *panels->row('M').B;
    EXPECT_EQ(bar.Skill(), &hero.melee());
    bar.setSkillType(dskCombat);
    EXPECT_EQ(bar.Skill(), &hero.combat());
    bar.setSkillType(dskNone);
    EXPECT_EQ(bar.Skill(), nullptr);
    bar.setSkillType(dskMelee);

    TDSHero other;
    bar.dropHero(&other);
    EXPECT_EQ(bar.Hero(), &hero) << "another hero's removal is not ours";
    panels->heroRemoved();
    EXPECT_EQ(bar.Hero(), nullptr);
    EXPECT_EQ(bar.Skill(), nullptr);
    EXPECT_EQ(panels->row('M').up->Skill(), nullptr);
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(150));
    EXPECT_EQ(hero.melee().experience(), start(5)) << "an unbound bar adjusts nothing";
}

TEST_F(SkillPanels, DestroyedPanelsLeaveTheHeroWithoutDisplays) {
    panels.reset();
    EXPECT_EQ(hero.melee().barDelta(), nullptr);
    EXPECT_EQ(hero.strength().lblLevel(), nullptr);
    hero.melee().adjustExperience(150); // must not touch the destroyed widgets
    EXPECT_EQ(hero.melee().currentLevel(), 6);
}

} // namespace
