// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/images.h"

QIcon appIcon() {
    return QIcon(QStringLiteral(":/images/thalrex.png"));
}

QPixmap goldCoinPicture() {
    return QPixmap(QStringLiteral(":/images/goldcoin.png"));
}

QPixmap portraitFramePicture() {
    return QPixmap(QStringLiteral(":/images/portraitframe.png"));
}

QIcon classIcon(int number) {
    if (number < 0 || number > 15)
        return {};
    return QIcon(QStringLiteral(":/images/class%1.png").arg(number, 2, 10, QLatin1Char('0')));
}
