// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The skill a bar or level button acts on.
enum class SkillKind : std::uint8_t { None, Melee, Ranged, Nature, Combat };

// An amount of experience with a committed part and one pending adjustment, and the level it
// reaches. Adjustments are in percent of a level: 100 units are one whole level whatever its span.
class Attribute {
public:
    Attribute() = default;
    Attribute(const Attribute &) = delete;
    Attribute &operator=(const Attribute &) = delete;
    virtual ~Attribute() = default;

    // The displayed level.
    virtual int level() const { return m_currentLevel; }

    long double experience() const;
    void setExperience(long double x);
    // The position of the current experience within the current level, 0..100.
    long double percentOfLevel() const;
    // The position of the committed experience within the committed level, 0..100; it is shown
    // while the current level is the committed one.
    long double committedPercentOfLevel() const;
    // Sets the experience to a position in percent units from the start of the current level;
    // the sign of the fraction is dropped (-30 is 30 percent into the level, like +30).
    void adjustExperience(long double x);
    // Moves the experience by dx percent units from the current position.
    void addPercent(long double dx);
    void commit();
    void reset();
    // Sets the committed experience from a stored value without calling changed().
    void loadExperience(long double x);

    long double baseExperience() const { return m_baseExperience; }
    long double delta() const { return m_delta; }
    int baseLevel() const { return m_baseLevel; }
    int currentLevel() const { return m_currentLevel; }
    bool atLimit() const { return m_atLimit; }

protected:
    // Called after every change of the experience, except while loading.
    virtual void changed() {}

private:
    void setCurrentLevel(int level);

    long double m_baseExperience = 0;
    long double m_delta = 0;
    int m_baseLevel = 0;
    int m_currentLevel = 0;
    bool m_atLimit = false;
    bool m_loading = false;
};

// Strength, dexterity and intelligence: shown as level + 10.
class Stat : public Attribute {
public:
    int level() const override { return currentLevel() + 10; }
};

// The shares in which a skill's growth passes on to the three attributes; each set sums to 1.
struct SkillShares {
    double strength;
    double dexterity;
    double intelligence;
};

inline constexpr SkillShares defaultShares{0.34, 0.33, 0.33};
inline constexpr SkillShares meleeShares{0.64, 0.27, 0.09};
inline constexpr SkillShares rangedShares{0.25, 0.62, 0.13};
inline constexpr SkillShares natureShares{0.09, 0.18, 0.73};
inline constexpr SkillShares combatShares{0.13, 0.17, 0.70};

// A skill: tells its owner about every change and passes its growth on to the three attributes
// in its shares.
class Skill : public Attribute {
public:
    explicit Skill(SkillShares shares = defaultShares) : m_shares(shares) {}

    // Called with the skill after each change; exceptions it throws are dropped.
    std::function<void(Skill &)> onChange;

    const SkillShares &shares() const { return m_shares; }

    // Drops the pending adjustment.
    void undo() { setExperience(baseExperience()); }

protected:
    void changed() override;

private:
    SkillShares m_shares;
};

// The fraction label's text for a position within a level: ".25" for 25 percent, empty below
// 0.005 percent, never "1.0" (".9999" instead).
std::string fractionText(long double percentOfLevel);
