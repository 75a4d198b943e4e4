// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/attribute.h"

#include "hero/experience.h"

#include <algorithm>
#include <cmath>

namespace {

long double TableEntry(int level) {
    return static_cast<long double>(ExperienceTable[std::clamp(level, 0, MaxLevel())]);
}

// Whole levels of a percent amount, kept within a range that cannot overflow an int;
// anything beyond the table lands past its ends either way.
int WholeLevels(long double levels) {
    constexpr long double Bound = 4 * TableLevels;
    return static_cast<int>(std::clamp(std::trunc(levels), -Bound, Bound));
}

} // namespace

long double TDSAttribute::Experience() const {
    if (Delta_ >= 0)
        return std::min(BaseExperience_ + Delta_, TableEntry(MaxLevel()));
    return BaseExperience_;
}

void TDSAttribute::SetExperience(long double x) {
    if (x == Experience())
        return;
    Delta_ = RoundExperience(x - BaseExperience_);
    AtLimit_ = Delta_ < 0;
    SetCurrentLevel(LevelForExperience(CurrentLevel_, Experience()));
    if (Active_)
        Changed();
    RefreshDelta();
}

long double TDSAttribute::PercentOfLevel() const {
    return (Experience() - TableEntry(CurrentLevel_)) * 100 / LevelSpan(CurrentLevel_);
}

void TDSAttribute::AdjustExperience(long double x) {
    const long double p = PercentOfLevel();
    const long double levels = x / 100;
    if ((CurrentLevel_ + 1) + p / 100 + levels > 0) {
        const int target = CurrentLevel_ + WholeLevels(levels);
        // Below level 0 there is no table: such a target ends at the floor like any other.
        if (target >= 0) {
            const long double fraction = std::fabs(levels - std::trunc(levels));
            SetExperience(fraction * LevelSpan(target) + TableEntry(target));
            return;
        }
    }
    SetExperience(BaseExperience_);
    AtLimit_ = true;
}

void TDSAttribute::AddPercent(long double dx) {
    const long double position = PercentOfLevel() + dx; // percent units from the level start
    if (position >= 0) {
        AdjustExperience(position);
        return;
    }
    // Below the start of the level: n whole levels down (n <= -1) and the rest of the last one
    // into it, as the position 100 * n - rest that AdjustExperience reads as level + n plus rest.
    const long double n = std::floor(position / 100);
    AdjustExperience(200 * n - position);
}

void TDSAttribute::SetCurrentLevel(int level) {
    if (level == CurrentLevel_)
        return;
    CurrentLevel_ = level;
    if (level == MaxLevel())
        AtLimit_ = true;
    RefreshLevel();
}

void TDSAttribute::Commit() {
    BaseExperience_ = Experience();
    Delta_ = 0;
    AtLimit_ = false;
    BaseLevel_ = CurrentLevel_;
    RefreshExperienceBar();
}

void TDSAttribute::Reset() {
    BaseExperience_ = 0;
    Delta_ = 0;
    BaseLevel_ = 0;
    CurrentLevel_ = 0;
    AtLimit_ = false;
    Refresh();
}

void TDSAttribute::LoadExperience(long double x) {
    struct Reactivate {
        bool &active;
        ~Reactivate() { active = true; }
    };
    {
        Active_ = false;
        Reactivate reactivate{Active_};
        Reset();
        SetExperience(x);
        Commit();
    }
    Refresh();
}

void TDSAttribute::Refresh() {
    RefreshLevel();
    RefreshExperienceBar();
    RefreshDelta();
}

void TDSAttribute::RefreshLevel() {
    if (!Active_)
        return;
    if (BarExperience_)
        BarExperience_->SetVisible(CurrentLevel_ == BaseLevel_);
    if (BarLevel_)
        BarLevel_->SetWidth(BarLevel_->LevelToWidth(Level()));
    if (LblLevel_)
        LblLevel_->SetCaption(std::to_string(Level()));
}

void TDSAttribute::RefreshExperienceBar() {
    if (!Active_ || !BarExperience_)
        return;
    BarExperience_->SetWidth(BarExperience_->PercentToWidth(PercentOfLevel()));
    BarExperience_->SetVisible(true);
}

void TDSAttribute::RefreshDelta() {
    if (!Active_)
        return;
    if (BarDelta_)
        BarDelta_->SetWidth(BarDelta_->PercentToWidth(PercentOfLevel()));
    if (LblPct_)
        LblPct_->SetCaption(FractionText(PercentOfLevel()));
}

void TDSAttribute::DropDisplay(const TDSBarDisplay *bar) {
    for (TDSBarDisplay **ref : {&BarExperience_, &BarDelta_, &BarLevel_})
        if (*ref == bar)
            *ref = nullptr;
}

void TDSAttribute::DropDisplay(const TDSLabelDisplay *label) {
    for (TDSLabelDisplay **ref : {&LblLevel_, &LblPct_})
        if (*ref == label)
            *ref = nullptr;
}

void TDSSkill::Changed() {
    if (!OnChange)
        return;
    try {
        OnChange(*this);
    } catch (...) {
        // A handler's failure must not undo or interrupt the adjustment.
    }
}

std::string FractionText(long double percentOfLevel) {
    const long double v = RoundDecimals(4, percentOfLevel / 100);
    if (!(v > 0))
        return {};
    const long long tenThousandths = std::llround(v * 10000);
    if (tenThousandths >= 10000)
        return ".9999";
    std::string digits = std::to_string(tenThousandths);
    digits.insert(0, 4 - digits.size(), '0');
    digits.erase(std::max<std::size_t>(digits.find_last_not_of('0') + 1, 1));
    return "." + digits;
}
