// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gas/bowels.h"
#include "hero/attribute.h"
#include "hero/displays.h"
#include "hero/races.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDSHero;
struct TDSHeroValues;

// An event of the hero, called with the hero as sender.
using TDSNotifyEvent = std::function<void(TDSHero &sender)>;
// Asks the window for the head and skins of a model (its template name, e.g. "Farmboy");
// answers whether the model is known.
using TDSGetSkins = std::function<bool(TDSHero &sender, const std::string &model, std::string &head,
                                       std::vector<std::string> &skins)>;

struct THealthAndMana {
    int Health = 0;
    int Mana = 0;
};

// The one hero the editor works on: three attributes, five skills, the uber level, the
// undoable adjustment, name, model, gold, portrait, unsaved-change tracking and the
// recently used heroes. Every event handler's exception is caught and discarded.
class TDSHero {
public:
    static constexpr std::size_t MaxRecentHeros = 9;

    TDSHero();
    TDSHero(const TDSHero &) = delete;
    TDSHero &operator=(const TDSHero &) = delete;
    ~TDSHero();

    TDSStat &Strength() { return Strength_; }
    TDSStat &Dexterity() { return Dexterity_; }
    TDSStat &Intelligence() { return Intelligence_; }
    TDSMelee &Melee() { return Melee_; }
    TDSRanged &Ranged() { return Ranged_; }
    TDSNature &Nature() { return Nature_; }
    TDSCombat &Combat() { return Combat_; }
    // The uber experience not held by the four visible skills; never shown or adjusted.
    TDSMelee &Kungfu() { return Kungfu_; }
    // The visible skill of a kind; null for dskNone.
    TDSSkill *SkillOf(TDSSkills kind);
    // The skill whose pending adjustment Undo drops.
    TDSSkill &CurrentSkill() { return *CurrentSkill_; }

    // Events.
    TDSNotifyEvent OnUberChanged;
    TDSNotifyEvent OnModified;
    TDSNotifyEvent OnUnmodified;
    TDSNotifyEvent OnPropChanged;
    TDSNotifyEvent OnStatsChanged;
    TDSGetSkins GetSkins;

    // Experience.
    long double Uber() const { return Uber_; }
    long double TotalExperience() const;
    void SetUberExperience(long double total);
    // The reaction to every change of a skill's experience.
    void SkillChanged(TDSSkill &skill);
    void CommitCurrent();
    void Undo();
    bool CanUndo() const;
    void ResetToMinimum();

    // Properties that notify.
    const std::string &HeroName() const { return HeroName_; }
    void SetName(const std::string &name);
    TDSRaces Model() const { return Model_; }
    void SetModel(TDSRaces model);
    int Gold() const { return Gold_; }
    void SetGold(int gold);

    // Portrait: the control (not owned) and the built-in store (owned); either may be missing.
    TDSPortraitControl *Portrait() const { return Portrait_; }
    void SetPortrait(TDSPortraitControl *control) { Portrait_ = control; }
    TDSPortraitStore *Portraits() const { return Portraits_.get(); }
    void SetPortraits(std::unique_ptr<TDSPortraitStore> store);
    // Shows built-in portrait n (0: the current model's own) and marks the hero modified;
    // does nothing without a control, a store or such a portrait.
    void LoadBuiltInPortrait(int n);

    // Notifications.
    void PropChanged();
    void StatsChanged();
    void MarkModified();
    void MarkUnmodified();
    bool Modified() const { return Modified_; }

    // Attribute values (level + 10) to health and mana.
    static THealthAndMana HealthAndMana(int strength, int dexterity, int intelligence);
    // Which visible skills lead, 0..15 (see TDSLeadingSkills).
    int ClassPattern() const;

    // The hero folder, with a trailing "/"; the documents folder at construction.
    const std::string &Folder() const { return Folder_; }
    void SetFolder(const std::string &folder) { Folder_ = folder; }
    // Made from the templates and not yet saved.
    bool IsNew() const { return IsNew_; }

    // Recently used heroes, newest first: folder=\"name - Level N PP\".
    std::vector<std::string> &RecentHeros() { return RecentHeros_; }
    const std::vector<std::string> &RecentHeros() const { return RecentHeros_; }
    void AddRecentHero();

    // Clears every reference to a control that is being destroyed.
    void DropDisplay(const TDSBarDisplay *bar);
    void DropDisplay(const TDSLabelDisplay *label);
    void DropDisplay(const TDSPortraitControl *portrait);

    // The hero folder (hero_folder.cpp): the Gas documents of Info.gas and Party.gas, the name
    // the save file was last named after, and the operations on the folder. OpenFolder and
    // SaveFolder throw EDSFailed; a failed OpenFolder leaves the hero exactly as it was.
    TBowels &InfoDoc() { return InfoDoc_; }
    TBowels &PartyDoc() { return PartyDoc_; }
    const std::string &SavedName() const { return SavedName_; }
    void NewHero();
    void OpenFolder(const std::string &folder = "");
    void SaveFolder(const std::string &folder = "");
    void ReadGas();
    void WriteGas();
    // Writes the head and skins of Model into the party document.
    void ApplySkins();

private:
    void Raise(const TDSNotifyEvent &event);
    void ApplyValues(const TDSHeroValues &values);
    std::string FileNameValue() const;
    template <typename F> void ForEachAttribute(F f);

    TDSStat Strength_;
    TDSStat Dexterity_;
    TDSStat Intelligence_;
    TDSMelee Melee_;
    TDSRanged Ranged_;
    TDSNature Nature_;
    TDSCombat Combat_;
    TDSMelee Kungfu_;
    TDSSkill *CurrentSkill_ = &Melee_;
    long double Uber_ = 0;
    bool Modified_ = false;
    std::string HeroName_;
    TDSRaces Model_ = dsrFarmboy;
    TDSPortraitControl *Portrait_ = nullptr;
    int Gold_ = 0;
    std::string Folder_;
    std::vector<std::string> RecentHeros_;
    bool IsNew_ = false;
    std::unique_ptr<TDSPortraitStore> Portraits_;
    TBowels InfoDoc_;
    TBowels PartyDoc_;
    std::string SavedName_;
};
