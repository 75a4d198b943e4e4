// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/images.h"

QIcon AppIcon() {
    return QIcon(QStringLiteral(":/images/thalrex.png"));
}

QPixmap GoldCoinPicture() {
    return QPixmap(QStringLiteral(":/images/goldcoin.png"));
}

QPixmap PortraitFramePicture() {
    return QPixmap(QStringLiteral(":/images/portraitframe.png"));
}

QIcon ClassIcon(int number) {
    if (number < 0 || number > 15)
        return {};
    return QIcon(QStringLiteral(":/images/class%1.png").arg(number, 2, 10, QLatin1Char('0')));
}
