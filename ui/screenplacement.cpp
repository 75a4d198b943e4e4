// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screenplacement.h"

#include <algorithm>

namespace {

int PullOnto(int position, int extent, int screenStart, int screenExtent) {
    position = std::max(position, screenStart);
    if (position + extent > screenStart + screenExtent)
        position = screenStart + screenExtent - extent;
    return std::max(position, screenStart);
}

} // namespace

QPoint PullOntoScreen(QPoint position, QSize window, const QRect &screen) {
    return {PullOnto(position.x(), window.width(), screen.left(), screen.width()),
            PullOnto(position.y(), window.height(), screen.top(), screen.height())};
}
