// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/displays.h"

#include <cstdint>
#include <functional>
#include <string>

// The skill a bar or level button acts on.
enum TDSSkills : std::uint8_t { dskNone, dskMelee, dskRanged, dskNature, dskCombat };

// An amount of experience with a committed part and one pending adjustment, the level it
// reaches, and up to five displays kept up to date. Adjustments are in percent of a level:
// 100 units are one whole level whatever its span.
class TDSAttribute {
public:
    TDSAttribute() = default;
    TDSAttribute(const TDSAttribute &) = delete;
    TDSAttribute &operator=(const TDSAttribute &) = delete;
    virtual ~TDSAttribute() = default;

    // The displayed level.
    virtual int Level() const { return CurrentLevel_; }

    long double Experience() const;
    void SetExperience(long double x);
    long double PercentOfLevel() const;
    // Sets the experience to a position in percent units from the start of CurrentLevel;
    // the sign of the fraction is dropped (-30 is 30 percent into the level, like +30).
    void AdjustExperience(long double x);
    // Moves the experience by dx percent units from the current position.
    void AddPercent(long double dx);
    void SetCurrentLevel(int level);
    void Commit();
    void Reset();
    // Sets the committed experience from a stored value without touching displays or
    // calling Changed.
    void LoadExperience(long double x);

    void Refresh();
    void RefreshLevel();
    void RefreshExperienceBar();
    void RefreshDelta();

    long double BaseExperience() const { return BaseExperience_; }
    long double Delta() const { return Delta_; }
    int BaseLevel() const { return BaseLevel_; }
    int CurrentLevel() const { return CurrentLevel_; }
    bool AtLimit() const { return AtLimit_; }
    bool Active() const { return Active_; }

    // Displays (not owned, may be null).
    TDSBarDisplay *BarExperience() const { return BarExperience_; }
    TDSBarDisplay *BarDelta() const { return BarDelta_; }
    TDSBarDisplay *BarLevel() const { return BarLevel_; }
    TDSLabelDisplay *LblLevel() const { return LblLevel_; }
    TDSLabelDisplay *LblPct() const { return LblPct_; }
    void SetBarExperience(TDSBarDisplay *bar) { BarExperience_ = bar; }
    void SetBarDelta(TDSBarDisplay *bar) { BarDelta_ = bar; }
    void SetBarLevel(TDSBarDisplay *bar) { BarLevel_ = bar; }
    void SetLblLevel(TDSLabelDisplay *label) { LblLevel_ = label; }
    void SetLblPct(TDSLabelDisplay *label) { LblPct_ = label; }
    // Clears every reference to a display that is being destroyed.
    void DropDisplay(const TDSBarDisplay *bar);
    void DropDisplay(const TDSLabelDisplay *label);

protected:
    // Called after every change of the experience while Active.
    virtual void Changed() {}

private:
    TDSBarDisplay *BarExperience_ = nullptr;
    TDSBarDisplay *BarDelta_ = nullptr;
    TDSBarDisplay *BarLevel_ = nullptr;
    TDSLabelDisplay *LblLevel_ = nullptr;
    TDSLabelDisplay *LblPct_ = nullptr;
    long double BaseExperience_ = 0;
    long double Delta_ = 0;
    int BaseLevel_ = 0;
    int CurrentLevel_ = 0;
    bool AtLimit_ = false;
    bool Active_ = true;
};

// Strength, dexterity and intelligence: shown as level + 10.
class TDSStat : public TDSAttribute {
public:
    int Level() const override { return CurrentLevel() + 10; }
};

// A skill: tells its owner about every change and passes its growth on to the three
// attributes in fixed shares.
class TDSSkill : public TDSAttribute {
public:
    TDSSkill() : TDSSkill(0.34, 0.33, 0.33) {}

    // Called with the skill after each change while Active; exceptions it throws are dropped.
    std::function<void(TDSSkill &)> OnChange;

    double StrengthShare() const { return StrengthShare_; }
    double DexterityShare() const { return DexterityShare_; }
    double IntelligenceShare() const { return IntelligenceShare_; }

    // Drops the pending adjustment.
    void Undo() { SetExperience(BaseExperience()); }

protected:
    TDSSkill(double strength, double dexterity, double intelligence)
        : StrengthShare_(strength), DexterityShare_(dexterity), IntelligenceShare_(intelligence) {}
    void Changed() override;

private:
    double StrengthShare_;
    double DexterityShare_;
    double IntelligenceShare_;
};

class TDSMelee : public TDSSkill {
public:
    TDSMelee() : TDSSkill(0.64, 0.27, 0.09) {}
};

class TDSRanged : public TDSSkill {
public:
    TDSRanged() : TDSSkill(0.25, 0.62, 0.13) {}
};

class TDSNature : public TDSSkill {
public:
    TDSNature() : TDSSkill(0.09, 0.18, 0.73) {}
};

class TDSCombat : public TDSSkill {
public:
    TDSCombat() : TDSSkill(0.13, 0.17, 0.70) {}
};

// The fraction label's text for a position within a level: ".25" for 25 percent, empty below
// 0.005 percent, never "1.0" (".9999" instead).
std::string FractionText(long double percentOfLevel);
