#pragma once

#include <QString>

class TDSHero;

// Edit > Portrait > Custom...: lets the user pick a bitmap file and shows it as the hero's
// portrait, marking the hero modified. initialDir is the picker's folder and becomes the
// chosen file's folder. A file that is not a readable bitmap throws std::runtime_error and
// changes nothing.
void PicCustom(TDSHero &hero, QString &initialDir);
