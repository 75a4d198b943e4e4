// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_placement.h"

#include <algorithm>

namespace {

int pullOnto(int position, int extent, int screenStart, int screenExtent) {
    position = std::max(position, screenStart);
    if (position + extent > screenStart + screenExtent)
        position = screenStart + screenExtent - extent;
    return std::max(position, screenStart);
}

} // namespace

QPoint pullOntoScreen(QPoint position, QSize window, const QRect &screen) {
    return {pullOnto(position.x(), window.width(), screen.left(), screen.width()),
            pullOnto(position.y(), window.height(), screen.top(), screen.height())};
}
