// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gas/gas_document.h"
#include "hero/attribute.h"
#include "hero/hero_model.h"
#include "hero/portrait.h"
#include "hero/recent_heroes.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct HeroValues;

struct HealthAndMana {
    int health = 0;
    int mana = 0;
};

// The head and skins a model is dressed in when the hero takes it.
struct ModelClothes {
    std::string head;
    std::vector<std::string> skins;
};

// The one hero the editor works on: three attributes, four skills and the unassigned rest of
// the uber experience, the uber level, the undoable adjustment, name, model, gold, portrait,
// unsaved-change tracking, the recently used heroes and the hero folder it lives in.
//
// The hero publishes its state through its getters and announces every change through
// onChanged; it knows nothing of how it is shown. Texts (name, Gas values) are the game's 8-bit
// text; folders are paths.
class Hero {
public:
    Hero();
    Hero(const Hero &) = delete;
    Hero &operator=(const Hero &) = delete;
    ~Hero();

    // Called after every change of what the hero shows; exceptions it throws are dropped.
    std::function<void()> onChanged;
    // The head and skins of a model (its template name, e.g. "Farmboy"); nothing when the model
    // is unknown. Without it a model change leaves the party file's head and skins alone.
    std::function<std::optional<ModelClothes>(const std::string &model)> clothesOf;

    Stat &strength() { return m_strength; }
    Stat &dexterity() { return m_dexterity; }
    Stat &intelligence() { return m_intelligence; }
    Skill &melee() { return m_melee; }
    Skill &ranged() { return m_ranged; }
    Skill &nature() { return m_nature; }
    Skill &combat() { return m_combat; }
    const Stat &strength() const { return m_strength; }
    const Stat &dexterity() const { return m_dexterity; }
    const Stat &intelligence() const { return m_intelligence; }
    const Skill &melee() const { return m_melee; }
    const Skill &ranged() const { return m_ranged; }
    const Skill &nature() const { return m_nature; }
    const Skill &combat() const { return m_combat; }
    // The uber experience not earned in the four visible skills; never shown or adjusted.
    const Skill &unassignedExperience() const { return m_unassigned; }
    // The visible skill of a kind; null for SkillKind::None.
    Skill *skill(SkillKind kind);
    // The skill whose pending adjustment undo() drops.
    const Skill &currentSkill() const { return *m_currentSkill; }

    // Experience.
    long double uber() const { return m_uber; }
    long double totalExperience() const;
    void setUberExperience(long double total);
    void commitCurrent();
    void undo();
    bool canUndo() const;
    void resetToMinimum();

    // Properties.
    const std::string &name() const { return m_name; }
    void setName(const std::string &name);
    HeroModel model() const { return m_model; }
    void setModel(HeroModel model);
    int gold() const { return m_gold; }
    void setGold(int gold);
    std::string title() const;

    // The portrait: the bytes of its bitmap file, kept as they are until it is replaced.
    const ImageBytes &portrait() const { return m_portrait; }
    void setPortrait(ImageBytes bitmap);
    // The built-in portraits; without them the hero keeps whatever portrait it has.
    void setBuiltInPortraits(std::unique_ptr<PortraitStore> store);
    // Takes built-in portrait n (0: the current model's own) and marks the hero modified;
    // does nothing without a store or such a portrait.
    void loadBuiltInPortrait(int n);

    // Unsaved changes.
    bool isModified() const { return m_modified; }
    void markModified();
    void markUnmodified();

    // Attribute values (level + 10) to health and mana.
    static HealthAndMana healthAndMana(int strength, int dexterity, int intelligence);
    HealthAndMana healthAndMana() const;
    // Which visible skills lead, 0..15 (see LeadingSkills).
    int classPattern() const;

    // The hero folder, with a trailing "/".
    const std::string &folder() const { return m_folder; }
    void setFolder(const std::string &folder) { m_folder = folder; }
    // Made from the templates and not yet saved.
    bool isNew() const { return m_isNew; }

    RecentHeroes &recentHeroes() { return m_recentHeroes; }
    const RecentHeroes &recentHeroes() const { return m_recentHeroes; }

    // The hero folder (hero_folder.cpp): the Gas documents of Info.gas and Party.gas, the name
    // the save file was last named after, and the operations on the folder. openFolder and
    // saveFolder throw OperationError; a failed openFolder leaves the hero exactly as it was.
    GasDocument &infoDocument() { return m_info; }
    GasDocument &partyDocument() { return m_party; }
    const std::string &savedName() const { return m_savedName; }
    // A new hero from the built-in templates.
    void startNew();
    // Opens the folder; an empty path rereads the hero's own folder.
    void openFolder(const std::string &folder = "");
    // Saves into the folder (an empty path: the hero's own). A new hero's file_name names its
    // party file in saveGameFolder, the folder the game keeps its saved parties in.
    void saveFolder(const std::string &folder, const std::string &saveGameFolder);
    // Writes the head and skins of the model into the party document.
    void applyClothes();

private:
    void skillChanged(Skill &skill);
    void notifyChanged();
    void applyValues(const HeroValues &values);
    void writeGas(const std::string &saveGameFolder);
    std::string fileNameValue(const std::string &saveGameFolder) const;
    void addRecentHero();
    template <typename F> void forEachAttribute(F f);

    Stat m_strength;
    Stat m_dexterity;
    Stat m_intelligence;
    Skill m_melee{meleeShares};
    Skill m_ranged{rangedShares};
    Skill m_nature{natureShares};
    Skill m_combat{combatShares};
    Skill m_unassigned{meleeShares};
    Skill *m_currentSkill = &m_melee;
    long double m_uber = 0;
    bool m_modified = false;
    std::string m_name;
    HeroModel m_model = HeroModel::Farmboy;
    int m_gold = 0;
    ImageBytes m_portrait;
    std::unique_ptr<PortraitStore> m_builtInPortraits;
    std::string m_folder;
    bool m_isNew = false;
    RecentHeroes m_recentHeroes;
    GasDocument m_info;
    GasDocument m_party;
    std::string m_savedName;
};
