// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/skill_binding.h"

#include <QToolButton>

// A flat level button bound to a hero's skill like TDSShape; it reports presses and releases
// of every mouse button. Tag above 0 steps up, otherwise down.
class TDSButton : public QToolButton {
    Q_OBJECT
public:
    explicit TDSButton(QWidget *parent);

    TDSHero *Hero() const { return binding.Hero(); }
    void SetHero(TDSHero *hero) { binding.SetHero(hero); }
    TDSSkills SkillType() const { return binding.SkillType(); }
    void SetSkillType(TDSSkills kind) { binding.SetSkillType(kind); }
    TDSSkill *Skill() const { return binding.Skill(); }
    void DropHero(const TDSHero *hero) { binding.DropHero(hero); }

    int Tag() const { return tag; }
    void SetTag(int value) { tag = value; }

signals:
    void MouseDown(TDSButton *button, Qt::MouseButton mouseButton);
    void MouseUp(TDSButton *button, Qt::MouseButton mouseButton);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TDSSkillBinding binding;
    int tag = 0;
};
