// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero.h"

#include "hero/experience.h"
#include "hero/leading_skills.h"
#include "hero/titles.h"

#include <cmath>

Hero::Hero() {
    for (Skill *skill : {&m_melee, &m_ranged, &m_nature, &m_combat, &m_unassigned})
        skill->onChange = [this](Skill &changed) { skillChanged(changed); };
}

Hero::~Hero() = default;

template <typename F> void Hero::forEachAttribute(F f) {
    for (Attribute *a :
         std::initializer_list<Attribute *>{&m_strength, &m_dexterity, &m_intelligence, &m_melee,
                                            &m_ranged, &m_nature, &m_combat, &m_unassigned})
        f(*a);
}

Skill *Hero::skill(SkillKind kind) {
    switch (kind) {
    case SkillKind::Melee:
        return &m_melee;
    case SkillKind::Ranged:
        return &m_ranged;
    case SkillKind::Nature:
        return &m_nature;
    case SkillKind::Combat:
        return &m_combat;
    case SkillKind::None:
        break;
    }
    return nullptr;
}

long double Hero::totalExperience() const {
    return m_melee.experience() + m_ranged.experience() + m_nature.experience() +
           m_combat.experience() + m_unassigned.experience();
}

void Hero::setUberExperience(long double total) {
    m_uber = roundExperience(fractionalLevel(m_currentSkill->level(), total));
    markModified();
    notifyChanged();
}

void Hero::skillChanged(Skill &skill) {
    const long double old = m_uber;
    setUberExperience(totalExperience());
    if (&skill != m_currentSkill) {
        commitCurrent();
        m_currentSkill = &skill;
    }
    const long double d = (m_uber - old) * 100;
    const SkillShares &shares = m_currentSkill->shares();
    m_strength.addPercent(d * shares.strength);
    m_dexterity.addPercent(d * shares.dexterity);
    m_intelligence.addPercent(d * shares.intelligence);
    notifyChanged();
}

void Hero::commitCurrent() {
    m_currentSkill->commit();
    m_strength.commit();
    m_dexterity.commit();
    m_intelligence.commit();
    notifyChanged();
}

void Hero::undo() {
    m_currentSkill->undo();
}

bool Hero::canUndo() const {
    return m_currentSkill->delta() > 0;
}

void Hero::resetToMinimum() {
    forEachAttribute([](Attribute &a) { a.reset(); });
    setUberExperience(0);
}

void Hero::setName(const std::string &name) {
    if (name == m_name)
        return;
    m_name = name;
    markModified();
    notifyChanged();
}

void Hero::setModel(HeroModel model) {
    if (model == m_model)
        return;
    m_model = model;
    applyClothes();
    if (m_isNew)
        loadBuiltInPortrait(0);
    markModified();
    notifyChanged();
}

void Hero::setGold(int gold) {
    if (gold == m_gold)
        return;
    m_gold = gold;
    markModified();
    notifyChanged();
}

std::string Hero::title() const {
    return classificationTitle(m_melee.level(), m_ranged.level(), m_nature.level(),
                               m_combat.level(), m_model);
}

void Hero::setPortrait(ImageBytes bitmap) {
    m_portrait = std::move(bitmap);
    markModified();
    notifyChanged();
}

void Hero::setBuiltInPortraits(std::unique_ptr<PortraitStore> store) {
    m_builtInPortraits = std::move(store);
}

void Hero::loadBuiltInPortrait(int n) {
    if (!m_builtInPortraits)
        return;
    ImageBytes bitmap = m_builtInPortraits->builtInPortrait(n == 0 ? static_cast<int>(m_model) : n);
    if (!bitmap.empty())
        setPortrait(std::move(bitmap));
}

void Hero::markModified() {
    if (m_modified)
        return;
    m_modified = true;
    notifyChanged();
}

void Hero::markUnmodified() {
    if (!m_modified)
        return;
    m_modified = false;
    notifyChanged();
}

HealthAndMana Hero::healthAndMana(int strength, int dexterity, int intelligence) {
    const auto above9 = [](int v) { return v >= 10 ? v - 9 : v; };
    // 14 * (2.1 s' + 0.7 d' + 0.7 i') = 9.8 * (3 s' + d' + i'), which never ends in a half.
    const long long weighted = 3LL * above9(strength) + above9(dexterity) + above9(intelligence);
    const int health = static_cast<int>(std::llround(weighted * 98 / 10.0L));
    const int mana = (strength - 9) + 4 * (dexterity - 9) + 25 * (intelligence - 9);
    return {health, mana};
}

HealthAndMana Hero::healthAndMana() const {
    return healthAndMana(m_strength.level(), m_dexterity.level(), m_intelligence.level());
}

int Hero::classPattern() const {
    return leadingSkills(m_melee.level(), m_ranged.level(), m_nature.level(), m_combat.level())
        .pattern;
}

void Hero::addRecentHero() {
    m_recentHeroes.add(m_folder, m_name, static_cast<int>(std::trunc(m_uber)), classPattern());
    notifyChanged();
}

void Hero::notifyChanged() {
    if (!onChanged)
        return;
    try {
        onChanged();
    } catch (...) {
        // Whoever shows the hero cannot stop or undo its change.
    }
}
