// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// A window's top-left position pulled back so that a window of the given size lies on the
// screen: a coordinate before the screen's start moves to it, one that would put the window's
// far edge beyond the screen moves back by the overshoot.
QPoint pullOntoScreen(QPoint position, QSize window, const QRect &screen);
