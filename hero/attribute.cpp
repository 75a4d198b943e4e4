// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/attribute.h"

#include "hero/experience.h"

#include <algorithm>
#include <cmath>

namespace {

long double tableEntry(int level) {
    return static_cast<long double>(experienceTable[std::clamp(level, 0, maxLevel)]);
}

// Whole levels of a percent amount, kept within a range that cannot overflow an int;
// anything beyond the table lands past its ends either way.
int wholeLevels(long double levels) {
    constexpr long double bound = 4 * maxLevel;
    return static_cast<int>(std::clamp(std::trunc(levels), -bound, bound));
}

long double percentWithin(int level, long double experience) {
    return (experience - tableEntry(level)) * 100 / levelSpan(level);
}

} // namespace

long double Attribute::experience() const {
    if (m_delta >= 0)
        return std::min(m_baseExperience + m_delta, tableEntry(maxLevel));
    return m_baseExperience;
}

void Attribute::setExperience(long double x) {
    if (x == experience())
        return;
    m_delta = roundExperience(x - m_baseExperience);
    m_atLimit = m_delta < 0;
    setCurrentLevel(levelForExperience(m_currentLevel, experience()));
    if (!m_loading)
        changed();
}

long double Attribute::percentOfLevel() const {
    return percentWithin(m_currentLevel, experience());
}

long double Attribute::committedPercentOfLevel() const {
    return percentWithin(m_baseLevel, m_baseExperience);
}

void Attribute::adjustExperience(long double x) {
    const long double p = percentOfLevel();
    const long double levels = x / 100;
    if ((m_currentLevel + 1) + p / 100 + levels > 0) {
        const int target = m_currentLevel + wholeLevels(levels);
        // Below level 0 there is no table: such a target ends at the floor like any other.
        if (target >= 0) {
            const long double fraction = std::fabs(levels - std::trunc(levels));
            setExperience(fraction * levelSpan(target) + tableEntry(target));
            return;
        }
    }
    setExperience(m_baseExperience);
    m_atLimit = true;
}

void Attribute::addPercent(long double dx) {
    const long double position = percentOfLevel() + dx; // percent units from the level start
    if (position >= 0) {
        adjustExperience(position);
        return;
    }
    // Below the start of the level: n whole levels down (n <= -1) and the rest of the last one
    // into it, as the position 100 * n - rest that adjustExperience reads as level + n plus rest.
    const long double n = std::floor(position / 100);
    adjustExperience(200 * n - position);
}

void Attribute::setCurrentLevel(int level) {
    if (level == m_currentLevel)
        return;
    m_currentLevel = level;
    if (level == maxLevel)
        m_atLimit = true;
}

void Attribute::commit() {
    m_baseExperience = experience();
    m_delta = 0;
    m_atLimit = false;
    m_baseLevel = m_currentLevel;
}

void Attribute::reset() {
    m_baseExperience = 0;
    m_delta = 0;
    m_baseLevel = 0;
    m_currentLevel = 0;
    m_atLimit = false;
}

void Attribute::loadExperience(long double x) {
    m_loading = true;
    reset();
    setExperience(x);
    commit();
    m_loading = false;
}

void Skill::changed() {
    if (!onChange)
        return;
    try {
        onChange(*this);
    } catch (...) {
        // A handler's failure must not undo or interrupt the adjustment.
    }
}

std::string fractionText(long double percentOfLevel) {
    const long double v = roundDecimals(4, percentOfLevel / 100);
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
