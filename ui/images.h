// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The editor's own pictures (drawn by images/make_images.py).
QIcon AppIcon();
QPixmap GoldCoinPicture();
// 43 x 50, transparent inside: the 39 x 46 portrait shows through at (2, 2).
QPixmap PortraitFramePicture();
// Class icon 0..15 (the hero's class pattern); an empty icon for any other number.
QIcon ClassIcon(int number);
