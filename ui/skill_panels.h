// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/attribute.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QTimer;
class TDSButton;
class TDSHero;
class TDSLabel;
class TDSShape;

// One row of the skill panels: its bar panel with the five shapes, the level and fraction
// labels, and for a skill the icon and the two level buttons.
struct TDSPanelRow {
    QChar letter;             // S, D, I, M, R, N, C
    TDSSkills kind = dskNone; // the skill, dskNone for an attribute
    QLabel *caption = nullptr;
    QWidget *pnl = nullptr;
    TDSShape *B = nullptr; // background; drag handle of a skill
    TDSShape *U = nullptr; // track of the level strip
    TDSShape *L = nullptr; // level strip
    TDSShape *D = nullptr; // current position within the level
    TDSShape *E = nullptr; // position at the last commit
    TDSLabel *lblL = nullptr;
    TDSLabel *lblE = nullptr;
    QLabel *img = nullptr;
    TDSButton *down = nullptr; // "<"
    TDSButton *up = nullptr;   // ">"
};

// The lower part of the main window: the three attribute rows and the four skill rows, the
// drag of a skill bar, the auto-repeating level buttons and the health and mana gauge.
class TDSSkillPanels : public QWidget {
    Q_OBJECT
public:
    static constexpr int RowCount = 7;

    explicit TDSSkillPanels(QWidget *parent = nullptr);
    ~TDSSkillPanels() override;

    // Binds the rows to a hero's attributes and skills (null unbinds); the hero must outlive
    // the binding or be dropped with HeroRemoved first.
    void Bind(TDSHero *hero);
    TDSHero *Hero() const { return hero; }
    // The hero is being destroyed: forget it without touching it.
    void HeroRemoved();

    const TDSPanelRow &Row(QChar letter) const;
    const std::array<TDSPanelRow, RowCount> &Rows() const { return rows; }
    TDSShape *shpHPMN() const { return frame; }
    TDSShape *shpHealth() const { return health; }
    TDSShape *shpMana() const { return mana; }
    QTimer *tmr() const { return timer; }

    // Clears every row.
    void ResetPanels();
    // Redraws the gauge from the hero's displayed attribute values.
    void UpdateHealthMana();

    // The drag of a skill bar.
    void shpMBMouseDown(TDSShape *shape, Qt::MouseButton button, QPoint pos);
    void shpMBMouseMove(TDSShape *shape, QPoint pos);
    void shpMBMouseUp();
    void DragTo(TDSShape *shape, int x, bool rightward);

    // The level buttons and their repeat.
    void StepLevel(TDSButton *button);
    void spdMMouseDown(TDSButton *button);
    void spdMMouseUp();
    void tmrTimer();

    bool Dragging = false;
    int LastX = -1;
    int LastWrap = 0;

private:
    void BuildRow(TDSPanelRow &row, int top, const QString &caption, const QString &hint);
    void BuildGauge();
    void UnbindDisplays();

    std::array<TDSPanelRow, RowCount> rows;
    TDSShape *frame = nullptr;
    TDSShape *health = nullptr;
    TDSShape *mana = nullptr;
    QTimer *timer = nullptr;
    QPointer<TDSButton> repeating;
    TDSHero *hero = nullptr;
};
