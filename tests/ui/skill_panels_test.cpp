// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/experience.h"
#include "hero/hero.h"
#include "test_application.h"
#include "ui/level_button.h"
#include "ui/skill_bar.h"
#include "ui/skill_panels.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

long double start(int level) {
    return experienceTable[level];
}

// Shown skill panels following their hero as the window makes them, melee committed at the
// start of level 5.
class SkillPanelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testApplication();
        panels = std::make_unique<SkillPanels>(hero);
        panels->resize(361, 123);
        panels->show();
        hero.onChanged = [this] { panels->showHero(); };
        hero.resetToMinimum();
        hero.melee().loadExperience(start(5));
        hero.setUberExperience(hero.totalExperience());
        hero.commitCurrent();
        hero.markUnmodified();
        panels->showHero();
    }
    void TearDown() override {
        // QTest remembers held buttons across tests; let go of them.
        QTest::mouseRelease(bar(), Qt::LeftButton, {}, QPoint(1, 5));
        QTest::mouseRelease(bar(), Qt::RightButton, {}, QPoint(1, 5));
    }

    const SkillRow &melee() const { return panels->row("melee"); }
    SkillBar *bar() const { return melee().background; }
    // Mouse positions on the melee bar; y stays inside the shape.
    static QPoint at(int x) { return QPoint(x, 6); }
    long double meleeLevelPosition() {
        return hero.melee().currentLevel() + hero.melee().percentOfLevel() / 100;
    }

    Hero hero;
    std::unique_ptr<SkillPanels> panels;
};

TEST_F(SkillPanelsTest, RowsCarryTheirHints) {
    const struct {
        const char *name, *toolTip, *statusTip;
    } cases[] = {
        {"meleeBackground", "Adjust Experience", "Drag the bar left or right to adjust experience"},
        {"meleePosition", "Adjust Experience", "Drag the bar left or right to adjust experience"},
        {"meleeLevelBar", "Levels Gained", "Levels gained"},
        {"meleeCommitted", "Percent of Next Level Gained", "Percent of next level gained"},
        {"meleeUp", "Increase to Next Level", "Click to increase to beginning of next level"},
        {"meleeDown", "Decrease Level", "Click to decrease level"},
        {"natureLevel", "Nature Magic", "Nature Magic"},
        {"strengthPosition", "Percent of Next Level Gained", "Percent of next level gained"},
        {"strengthBackground", "", ""},
    };
    for (const auto &c : cases) {
        const QWidget *widget = panels->findChild<QWidget *>(c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->toolTip(), c.toolTip) << c.name;
        EXPECT_EQ(widget->statusTip(), c.statusTip) << c.name;
    }
    EXPECT_EQ(panels->findChild<QWidget *>("strengthDown"), nullptr)
        << "attributes have no buttons";
}

TEST_F(SkillPanelsTest, OnlyTheBarAndItsPositionStartADrag) {
    melee().committed->setWidth(50); // as it shows after an adjustment within the level
    const struct {
        SkillBar *shape;
        bool drags;
    } cases[] = {{melee().background, true},
                 {melee().position, true},
                 {melee().levelTrack, false},
                 {melee().levelBar, false},
                 {melee().committed, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shape->objectName().toStdString());
        EXPECT_EQ(c.shape->cursor().shape() == Qt::UpArrowCursor, c.drags);
        QTest::mousePress(c.shape, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(panels->isDragging(), c.drags);
        QTest::mouseRelease(c.shape, Qt::LeftButton, {}, QPoint(2, 2));
    }
}

TEST_F(SkillPanelsTest, EveryFractionTextFitsItsLabel) {
    for (const SkillRow &row : panels->rows())
        for (const char *text : {".9999", ".8888", ".2025", ".0505", ".4444", ".7777"})
            EXPECT_LE(row.fraction->fontMetrics().horizontalAdvance(QString::fromLatin1(text)),
                      row.fraction->contentsRect().width())
                << text << " in row " << row.name.toStdString();
}

TEST_F(SkillPanelsTest, PressAtTheLeftEdgeAndInTheMiddle) {
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(100));
    EXPECT_TRUE(panels->isDragging());
    EXPECT_EQ(hero.melee().currentLevel(), 5);
    EXPECT_NEAR(double(hero.melee().percentOfLevel()), 50.0, 1e-6);
    EXPECT_EQ(melee().position->width(), 100);
    EXPECT_EQ(melee().fraction->text(), ".5");
    EXPECT_EQ(melee().level->text(), "5");
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, at(100));
    EXPECT_FALSE(panels->isDragging());

    QTest::mousePress(bar(), Qt::LeftButton, {}, at(0));
    EXPECT_TRUE(panels->isDragging()) << "the start of the committed level is no limit";
    EXPECT_EQ(hero.melee().experience(), start(5));
    EXPECT_EQ(melee().position->width(), 0);
    EXPECT_EQ(melee().fraction->text(), "");
}

TEST_F(SkillPanelsTest, PressOnThePositionCountsFromThePanelEdge) {
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(150)); // the position is now 150 wide at x = 1
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, at(150));
    QTest::mousePress(melee().position, Qt::LeftButton, {}, QPoint(99, 3));
    EXPECT_NEAR(double(hero.melee().percentOfLevel()), 50.0, 1e-6);
}

TEST_F(SkillPanelsTest, DragAcrossTheRightEndAndBack) {
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(150));
    EXPECT_NEAR(double(meleeLevelPosition()), 5.75, 1e-9);
    const int strengthBefore = hero.strength().currentLevel();
    const long double uberBefore = hero.uber();

    QTest::mouseMove(bar(), at(250));
    EXPECT_NEAR(double(meleeLevelPosition()), 6.25, 1e-9);
    EXPECT_FALSE(melee().committed->isVisible()) << "the level left the committed one";
    EXPECT_EQ(melee().level->text(), "6");
    EXPECT_GT(hero.uber(), uberBefore);
    EXPECT_GT(hero.strength().experience(), 0) << "strength grows with melee";
    EXPECT_GE(hero.strength().currentLevel(), strengthBefore);

    QTest::mouseMove(bar(), at(150));
    EXPECT_NEAR(double(meleeLevelPosition()), 5.75, 1e-9);
    EXPECT_TRUE(melee().committed->isVisible());
    EXPECT_TRUE(panels->isDragging());
    EXPECT_TRUE(hero.canUndo());
}

TEST_F(SkillPanelsTest, ReachingTheFloorEndsTheDragWithoutARelease) {
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(100));
    QTest::mouseMove(bar(), at(-150)); // 25 % into level 4, below the committed start of 5
    EXPECT_TRUE(hero.melee().atLimit());
    EXPECT_FALSE(panels->isDragging());
    EXPECT_EQ(hero.melee().experience(), start(5));

    QTest::mouseMove(bar(), at(180));
    EXPECT_EQ(hero.melee().experience(), start(5)) << "moves after the limit do nothing";
}

TEST_F(SkillPanelsTest, ReachingTheTopLevelEndsTheDrag) {
    hero.melee().loadExperience(start(149));
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(100));
    EXPECT_TRUE(panels->isDragging());
    QTest::mouseMove(bar(), at(500)); // two wraps: beyond the last level
    EXPECT_EQ(hero.melee().currentLevel(), 150);
    EXPECT_EQ(hero.melee().experience(), start(150));
    EXPECT_FALSE(panels->isDragging());
    EXPECT_EQ(melee().levelBar->width(), 201);
}

TEST_F(SkillPanelsTest, EachSkillsBarAdjustsItsOwnSkillOnly) {
    for (const SkillRow &row : panels->rows()) {
        SCOPED_TRACE(row.name.toStdString());
        const long double total = hero.totalExperience();
        const bool modified = hero.isModified();
        // Any button but the left one, and any bar of an attribute, does nothing.
        QTest::mousePress(row.background, Qt::RightButton, {}, at(150));
        QTest::mouseMove(row.background, at(190));
        QTest::mouseRelease(row.background, Qt::RightButton, {}, at(190));
        EXPECT_EQ(hero.totalExperience(), total);
        EXPECT_EQ(hero.isModified(), modified);
        QTest::mousePress(row.background, Qt::LeftButton, {}, at(100));
        QTest::mouseRelease(row.background, Qt::LeftButton, {}, at(100));
        Skill *skill = hero.skill(row.kind);
        if (!skill) {
            EXPECT_EQ(hero.totalExperience(), total);
            continue;
        }
        EXPECT_NEAR(double(skill->percentOfLevel()), 50.0, 1e-6);
        hero.commitCurrent();
    }
    EXPECT_NEAR(double(hero.melee().percentOfLevel()), 50.0, 1e-6) << "the others left it alone";
}

TEST_F(SkillPanelsTest, HoldingTheUpButtonRepeatsEverFaster) {
    LevelButton *up = melee().up;
    QTimer *timer = panels->repeatTimer();
    QTest::mousePress(up, Qt::LeftButton);
    EXPECT_EQ(hero.melee().experience(), start(6));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1250);

    int level = 6;
    for (int interval : {625, 312, 156, 78, 50, 50}) {
        panels->repeatStep(); // one tick of the repeat timer
        ++level;
        EXPECT_EQ(timer->interval(), interval);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(hero.melee().experience(), start(level));
    }
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(hero.melee().currentLevel(), 12);
    EXPECT_EQ(melee().level->text(), "12");
}

TEST_F(SkillPanelsTest, DownButtonGoesToTheLevelStartThenALevelLowerWithAnyMouseButton) {
    LevelButton *down = melee().down;
    QTest::mouseClick(melee().up, Qt::LeftButton);
    QTest::mouseClick(melee().up, Qt::LeftButton);
    QTest::mousePress(bar(), Qt::LeftButton, {}, at(60));
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, at(60));
    EXPECT_NEAR(double(meleeLevelPosition()), 7.3, 1e-9);

    QTest::mousePress(down, Qt::RightButton);
    EXPECT_EQ(hero.melee().experience(), start(7)) << "first back to the level's start";
    EXPECT_TRUE(panels->repeatTimer()->isActive());
    QTest::mouseRelease(down, Qt::RightButton);
    EXPECT_FALSE(panels->repeatTimer()->isActive());

    QTest::mouseClick(down, Qt::MiddleButton);
    EXPECT_EQ(hero.melee().experience(), start(6));
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(hero.melee().experience(), start(5)) << "the committed start is the floor";
    EXPECT_TRUE(hero.melee().atLimit());
}

TEST_F(SkillPanelsTest, LevelStripWidths) {
    EXPECT_EQ(panels->row("strength").levelBar->width(), 14) << "strength shows level 10";
    EXPECT_EQ(panels->row("strength").level->text(), "10");
    const SkillRow &ranged = panels->row("ranged");
    EXPECT_EQ(ranged.levelBar->width(), 1) << "ranged at level 0";
    hero.ranged().loadExperience(start(150));
    panels->showHero();
    EXPECT_EQ(ranged.levelBar->width(), 201);
    EXPECT_EQ(ranged.level->text(), "150");

    const SkillBar &bar = *ranged.background;
    EXPECT_EQ(bar.levelToWidth(0), 1);
    EXPECT_EQ(bar.levelToWidth(10), 14);
    EXPECT_EQ(bar.levelToWidth(150), 201);
    EXPECT_EQ(bar.percentToWidth(50), 100);
    EXPECT_EQ(bar.percentToWidth(99.99), 199);
    EXPECT_EQ(bar.percentToWidth(0.25), 1) << "half a pixel rounds away from zero";
    EXPECT_DOUBLE_EQ(bar.percentAt(100), 50.0);
}

TEST_F(SkillPanelsTest, GaugeAtTheMinimumAndCapped) {
    hero.resetToMinimum();
    panels->showHero();
    const SkillBar *frame = panels->healthManaFrame();
    const SkillBar *health = panels->healthBar();
    const SkillBar *mana = panels->manaBar();
    EXPECT_EQ(frame->statusTip(), "Health: 49  Mana: 30");
    EXPECT_EQ(health->toolTip(), "Health");
    EXPECT_EQ(mana->toolTip(), "Mana");
    EXPECT_EQ(mana->statusTip(), "Health: 49  Mana: 30");
    EXPECT_EQ(health->geometry(), QRect(295, 38, 4, 10));
    EXPECT_EQ(mana->geometry(), QRect(299, 42, 4, 6));

    hero.strength().loadExperience(start(150));
    panels->showHero();
    EXPECT_EQ(health->height(), 44);
    EXPECT_EQ(health->geometry().bottom(), frame->geometry().bottom() - 1);
    EXPECT_EQ(mana->height(), 20) << "mana 180: 8 ln 180 - 21";
}

} // namespace
