// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/game_text.h"

#include "hero/code_page.h"

QString fromGameText(std::string_view bytes) {
    return QString::fromStdString(windows1252ToUtf8(bytes));
}

std::string toGameText(const QString &text) {
    return utf8ToWindows1252(text.toStdString());
}

QString shownFileName(std::string_view name) {
    return isUtf8(name) ? QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
                        : fromGameText(name);
}
