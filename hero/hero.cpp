// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/hero.h"

#include "hero/documents_folder.h"
#include "hero/experience.h"
#include "hero/leading_skills.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

TDSHero::TDSHero() : Folder_(DocumentsFolder()) {
    for (TDSSkill *skill : {static_cast<TDSSkill *>(&Melee_), static_cast<TDSSkill *>(&Ranged_),
                            static_cast<TDSSkill *>(&Nature_), static_cast<TDSSkill *>(&Combat_),
                            static_cast<TDSSkill *>(&Kungfu_)})
        skill->OnChange = [this](TDSSkill &changed) { SkillChanged(changed); };
}

TDSHero::~TDSHero() = default;

template <typename F> void TDSHero::ForEachAttribute(F f) {
    for (TDSAttribute *a :
         {static_cast<TDSAttribute *>(&Strength_), static_cast<TDSAttribute *>(&Dexterity_),
          static_cast<TDSAttribute *>(&Intelligence_), static_cast<TDSAttribute *>(&Melee_),
          static_cast<TDSAttribute *>(&Ranged_), static_cast<TDSAttribute *>(&Nature_),
          static_cast<TDSAttribute *>(&Combat_), static_cast<TDSAttribute *>(&Kungfu_)})
        f(*a);
}

TDSSkill *TDSHero::SkillOf(TDSSkills kind) {
    switch (kind) {
    case dskMelee:
        return &Melee_;
    case dskRanged:
        return &Ranged_;
    case dskNature:
        return &Nature_;
    case dskCombat:
        return &Combat_;
    default:
        return nullptr;
    }
}

long double TDSHero::TotalExperience() const {
    return Melee_.Experience() + Ranged_.Experience() + Nature_.Experience() +
           Combat_.Experience() + Kungfu_.Experience();
}

void TDSHero::SetUberExperience(long double total) {
    const long double uber = RoundExperience(FractionalLevel(CurrentSkill_->Level(), total));
    if (uber != Uber_ || Uber_ >= MaxLevel()) {
        Uber_ = uber;
        Raise(OnUberChanged);
    }
    MarkModified();
}

void TDSHero::SkillChanged(TDSSkill &skill) {
    const long double old = Uber_;
    SetUberExperience(TotalExperience());
    if (&skill != CurrentSkill_) {
        CommitCurrent();
        CurrentSkill_ = &skill;
    }
    const long double d = (Uber_ - old) * 100;
    Strength_.AddPercent(d * CurrentSkill_->StrengthShare());
    Dexterity_.AddPercent(d * CurrentSkill_->DexterityShare());
    Intelligence_.AddPercent(d * CurrentSkill_->IntelligenceShare());
    StatsChanged();
}

void TDSHero::CommitCurrent() {
    CurrentSkill_->Commit();
    Strength_.Commit();
    Dexterity_.Commit();
    Intelligence_.Commit();
}

void TDSHero::Undo() {
    CurrentSkill_->Undo();
}

bool TDSHero::CanUndo() const {
    return CurrentSkill_->Delta() > 0;
}

void TDSHero::ResetToMinimum() {
    ForEachAttribute([](TDSAttribute &a) { a.Reset(); });
    SetUberExperience(0);
    StatsChanged();
}

void TDSHero::SetName(const std::string &name) {
    if (name == HeroName_)
        return;
    HeroName_ = name;
    PropChanged();
}

void TDSHero::SetModel(TDSRaces model) {
    if (model == Model_)
        return;
    Model_ = model;
    ApplySkins();
    if (IsNew_)
        LoadBuiltInPortrait(0);
    PropChanged();
}

void TDSHero::SetGold(int gold) {
    if (gold == Gold_)
        return;
    Gold_ = gold;
    PropChanged();
}

void TDSHero::SetPortraits(std::unique_ptr<TDSPortraitStore> store) {
    Portraits_ = std::move(store);
}

void TDSHero::LoadBuiltInPortrait(int n) {
    if (!Portrait_ || !Portraits_)
        return;
    const TDSImageData image = Portraits_->BuiltInPortrait(n == 0 ? Model_ : n);
    if (image.empty())
        return;
    Portrait_->ShowPortrait(image);
    MarkModified();
}

void TDSHero::PropChanged() {
    Raise(OnPropChanged);
    MarkModified();
}

void TDSHero::StatsChanged() {
    Raise(OnStatsChanged);
}

void TDSHero::MarkModified() {
    if (Modified_)
        return;
    Modified_ = true;
    Raise(OnModified);
}

void TDSHero::MarkUnmodified() {
    if (!Modified_)
        return;
    Modified_ = false;
    Raise(OnUnmodified);
}

THealthAndMana TDSHero::HealthAndMana(int strength, int dexterity, int intelligence) {
    const auto above9 = [](int v) { return v >= 10 ? v - 9 : v; };
    // 14 * (2.1 s' + 0.7 d' + 0.7 i') = 9.8 * (3 s' + d' + i'), which never ends in a half.
    const long long weighted = 3LL * above9(strength) + above9(dexterity) + above9(intelligence);
    const int health = static_cast<int>(std::llround(weighted * 98 / 10.0L));
    const int mana = (strength - 9) + 4 * (dexterity - 9) + 25 * (intelligence - 9);
    return {health, mana};
}

int TDSHero::ClassPattern() const {
    return LeadingSkills(Melee_.Level(), Ranged_.Level(), Nature_.Level(), Combat_.Level()).Pattern;
}

void TDSHero::AddRecentHero() {
    const auto sameFolder = [this](const std::string &entry) {
        const std::string name = entry.substr(0, entry.find('='));
        return std::equal(name.begin(), name.end(), Folder_.begin(), Folder_.end(),
                          [](char a, char b) {
                              const auto lower = [](char c) {
                                  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
                              };
                              return lower(a) == lower(b);
                          });
    };
    const auto listed = std::find_if(RecentHeros_.begin(), RecentHeros_.end(), sameFolder);
    if (listed != RecentHeros_.end())
        RecentHeros_.erase(listed);
    char pattern[8];
    std::snprintf(pattern, sizeof pattern, "%02d", ClassPattern());
    const long long level = static_cast<long long>(std::trunc(Uber_));
    RecentHeros_.insert(RecentHeros_.begin(), Folder_ + "=\"" + HeroName_ + " - Level " +
                                                  std::to_string(level) + " " + pattern + "\"");
    if (RecentHeros_.size() > MaxRecentHeros)
        RecentHeros_.resize(MaxRecentHeros);
}

void TDSHero::DropDisplay(const TDSBarDisplay *bar) {
    ForEachAttribute([bar](TDSAttribute &a) { a.DropDisplay(bar); });
}

void TDSHero::DropDisplay(const TDSLabelDisplay *label) {
    ForEachAttribute([label](TDSAttribute &a) { a.DropDisplay(label); });
}

void TDSHero::DropDisplay(const TDSPortraitControl *portrait) {
    if (Portrait_ == portrait)
        Portrait_ = nullptr;
}

void TDSHero::Raise(const TDSNotifyEvent &event) {
    if (!event)
        return;
    try {
        event(*this);
    } catch (...) {
        // Handlers cannot stop or undo the hero's change.
    }
}
