// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/attribute.h"

#include <QPixmap>

// The 16 x 14 icon of a skill row: a sword, a bow, a leaf and a flame.
QPixmap skillIcon(SkillKind kind);
