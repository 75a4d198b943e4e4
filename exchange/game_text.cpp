// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/game_text.h"

QString fromGameText(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toGameText(const QString &text) {
    return text.toLatin1().toStdString();
}
