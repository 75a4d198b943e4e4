// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/game_text.h"

#include "text/utf8.h"
#include "text/windows1252.h"

QString fromGameText(std::string_view bytes) {
    return QString::fromStdString(windows1252::toUtf8(bytes));
}

std::string toGameText(const QString &text) {
    return windows1252::fromUtf8Lossy(text.toStdString());
}

QString shownFileName(std::string_view name) {
    return utf8::isValid(name) ? QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
                               : fromGameText(name);
}
