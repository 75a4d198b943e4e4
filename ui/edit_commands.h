// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;
class TDSHero;

// The Edit menu's commands on the hero. Each dialog answers the old value when cancelled, and
// the hero's setters change and notify only when the value differs.

// Name...: the name dialog with the hero's name.
void EditHeroName(QWidget *parent, TDSHero &hero);
// Gold...: the gold dialog with the hero's gold.
void EditGold(QWidget *parent, TDSHero &hero);
// Model...: the model dialog with the hero's model.
void EditHeroModel(QWidget *parent, TDSHero &hero);

// Portrait > Custom...: lets the user pick a bitmap file and shows it as the hero's portrait,
// marking the hero modified. initialDir is the picker's folder and becomes the chosen file's
// folder. A file that is not a readable bitmap throws std::runtime_error and changes nothing.
void PicCustom(TDSHero &hero, QString &initialDir);
