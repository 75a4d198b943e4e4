// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The editor's own pictures (drawn by images/make_images.py).
QIcon appIcon();
QPixmap goldCoinPicture();
// 43 x 50, transparent inside: the 39 x 46 portrait shows through at (2, 2).
QPixmap portraitFramePicture();
// Class icon 0..15 (the hero's class pattern); an empty icon for any other number.
QIcon classIcon(int number);
