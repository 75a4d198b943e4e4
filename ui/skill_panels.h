// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/attribute.h"

#include <QPointer>
#include <QWidget>

#include <array>

class Hero;
class LevelButton;
class QLabel;
class QTimer;
class SkillBar;

// One row of the skill panels: its bar panel with the five bars, the level and fraction labels,
// and for a skill the icon and the two level buttons.
struct SkillRow {
    QString name;                     // strength, dexterity, intelligence, melee, ...
    SkillKind kind = SkillKind::None; // the skill, SkillKind::None for an attribute
    QLabel *caption = nullptr;
    QWidget *panel = nullptr;
    SkillBar *background = nullptr; // the drag handle of a skill
    SkillBar *levelTrack = nullptr; // the track of the level bar
    SkillBar *levelBar = nullptr;   // the level as a length
    SkillBar *position = nullptr;   // the position within the level now
    SkillBar *committed = nullptr;  // the position at the last commit
    QLabel *level = nullptr;
    QLabel *fraction = nullptr;
    QLabel *icon = nullptr;
    LevelButton *down = nullptr; // "<"
    LevelButton *up = nullptr;   // ">"
};

// The lower part of the main window: the three attribute rows and the four skill rows of a hero,
// the drag of a skill bar, the auto-repeating level buttons and the health and mana gauge.
class SkillPanels : public QWidget {
    Q_OBJECT
public:
    static constexpr int rowCount = 7;

    SkillPanels(Hero &hero, QWidget *parent = nullptr);

    const SkillRow &row(const QString &name) const;
    const std::array<SkillRow, rowCount> &rows() const { return m_rows; }
    SkillBar *healthManaFrame() const { return m_frame; }
    SkillBar *healthBar() const { return m_health; }
    SkillBar *manaBar() const { return m_mana; }
    QTimer *repeatTimer() const { return m_timer; }
    bool isDragging() const { return m_dragging; }

    // Shows the hero's attributes, skills, health and mana as they are now.
    void showHero();

    // The drag of a skill bar: a press starts it, each move adjusts the skill, and it ends at the
    // release or when the skill reaches a limit.
    void beginDrag(SkillBar *bar, Qt::MouseButton button, QPoint pos);
    void dragTo(SkillBar *bar, QPoint pos);
    void endDrag();

    // The level buttons: a press steps at once and then repeats, faster and faster, until the
    // release.
    void stepLevel(LevelButton *button);
    void beginRepeat(LevelButton *button);
    void endRepeat();
    void repeatStep();

private:
    void buildRow(SkillRow &row, int top, const QString &caption, const QString &hint);
    void buildGauge();
    void adjustTo(SkillBar *bar, int x, bool rightward);
    void showHealthAndMana();
    Attribute &attributeOf(const SkillRow &row);

    Hero &m_hero;
    std::array<SkillRow, rowCount> m_rows;
    SkillBar *m_frame = nullptr;
    SkillBar *m_health = nullptr;
    SkillBar *m_mana = nullptr;
    QTimer *m_timer = nullptr;
    QPointer<LevelButton> m_repeating;
    bool m_dragging = false;
    int m_lastX = -1;
    int m_lastWrap = 0;
};
