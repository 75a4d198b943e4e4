// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skill_binding.h"

#include "hero/hero.h"

void TDSSkillBinding::SetHero(TDSHero *value) {
    if (value == hero)
        return;
    hero = value;
    Rebind();
}

void TDSSkillBinding::SetSkillType(TDSSkills value) {
    kind = value;
    Rebind();
}

void TDSSkillBinding::DropHero(const TDSHero *removed) {
    if (removed && removed == hero)
        SetHero(nullptr);
}

void TDSSkillBinding::Rebind() {
    skill = hero ? hero->SkillOf(kind) : nullptr;
}
