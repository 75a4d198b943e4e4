// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/attribute.h"

class TDSHero;

// The skill a widget acts on: the hero's skill of the chosen kind, none for dskNone or
// without a hero. Setting either part re-binds.
class TDSSkillBinding {
public:
    TDSHero *Hero() const { return hero; }
    void SetHero(TDSHero *value);
    TDSSkills SkillType() const { return kind; }
    void SetSkillType(TDSSkills value);
    TDSSkill *Skill() const { return skill; }
    // The hero is going away: forget it when it is ours.
    void DropHero(const TDSHero *removed);

private:
    void Rebind();

    TDSHero *hero = nullptr;
    TDSSkills kind = dskNone;
    TDSSkill *skill = nullptr;
};
