// SPDX-License-Identifier: GPL-3.0-or-later
#include "hero/experience.h"

#include <algorithm>
#include <cmath>

const std::array<std::int64_t, maxLevel + 1> experienceTable = {
    0,
    70,
    650,
    1450,
    2350,
    3350,
    4650,
    6650,
    9450,
    12950,
    17100,
    22000,
    27800,
    34300,
    41300,
    49191,
    58327,
    68882,
    81054,
    95071,
    111190,
    129706,
    150954,
    175317,
    203567,
    236338,
    274352,
    318449,
    369600,
    428936,
    497766,
    577609,
    670226,
    777662,
    902288,
    1046855,
    1214551,
    1409080,
    1634732,
    1896489,
    2200128,
    2552348,
    2960924,
    3434872,
    3984651,
    4622395,
    5362179,
    6220327,
    7215779,
    8370504,
    9709985,
    11263782,
    13066188,
    15156978,
    17582294,
    20395661,
    23659167,
    27444833,
    31836207,
    36930200,
    42839232,
    49780637,
    58283859,
    68700306,
    81460453,
    97091634,
    116239830,
    139696370,
    168430631,
    203630102,
    246749453,
    299570658,
    364276635,
    443541456,
    540640862,
    659587634,
    805297430,
    983791930,
    1202447693,
    1470301002,
    1798421306,
    2200368678,
    2692754209,
    3295926485,
    4034812522,
    4939947918,
    6048738778,
    7407007581,
    9070886865,
    11109138988,
    13605997839,
    16664649931,
    20411498744,
    25001388540,
    30624003540,
    37511706915,
    45949143550,
    56285003427,
    68946431776,
    84456681504,
    103456737421,
    126731805919,
    155243764829,
    190170914494,
    232956672834,
    285369226800,
    349574605408,
    428226194203,
    524574390477,
    642600930913,
    787183442946,
    964297020188,
    1181261152309,
    1447042214156,
    1772624014920,
    2171461720855,
    2660037910626,
    3258543743095,
    3991713387870,
    4889846202719,
    5990058900910,
    7337819456193,
    8988826136414,
    11011309319686,
    13488851219194,
    16523840046091,
    20241701359039,
    24796081467402,
    30375197100145,
    37209613750256,
    45581774146643,
    55837670632215,
    68401143827042,
    83791398490705,
    102644460453692,
    125739461358351,
    154030837466559,
    188687773199113,
    231142519471492,
    283149583655156,
    346858237280144,
    424901337970755,
    520504136316754,
    637617564290602,
    781081513558566,
    956824851411821,
    1172110440282060,
    1435835286648100,
    1758898223446500,
    2154650321024540,
    2639446640557650,
};

namespace {

long double entry(int level) {
    return static_cast<long double>(experienceTable[level]);
}

} // namespace

long double levelSpan(int level) {
    if (level >= maxLevel)
        return entry(maxLevel);
    level = std::max(level, 0);
    return entry(level + 1) - entry(level);
}

int levelForExperience(int hint, long double xp) {
    if (xp <= 0)
        return 0;
    int i = std::clamp(hint, 0, maxLevel);
    if (xp >= entry(i)) {
        while (i <= maxLevel && xp >= entry(i))
            ++i;
        return i - 1;
    }
    while (i > 0 && xp < entry(i))
        --i;
    return i;
}

long double fractionalLevel(int hint, long double xp) {
    const int level = levelForExperience(hint, xp);
    if (xp > 0 && level < maxLevel)
        return level + (xp - entry(level)) / levelSpan(level);
    return level;
}

long double roundDecimals(int digits, long double x) {
    const long double scale = std::pow(10.0L, digits);
    const long double y = x * scale;
    const long double whole = std::trunc(y);
    const long double dropped = std::fabs(std::trunc((y - whole) * 10));
    if (dropped >= 5)
        return (whole + (y < 0 ? -1 : 1)) / scale;
    return whole / scale;
}

long double roundExperience(long double x) {
    return roundDecimals(x < 10'000'000'000.0L ? 6 : 0, x);
}

int skillBucket(int level) {
    if (level == 0)
        return 0;
    if (level < 0 || level >= 100)
        return 6;
    if (level <= 4)
        return 1;
    if (level <= 10)
        return 2;
    if (level <= 19)
        return 3;
    if (level <= 49)
        return 4;
    return 5;
}
