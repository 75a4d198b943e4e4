// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gold_dialog.h"

#include "exchange/desktop.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <optional>

namespace {

// The amount the text stands for: an optional minus and digits that make a 32-bit value.
std::optional<int> wholeNumber(const QString &text) {
    static const QRegularExpression pattern(QStringLiteral("^-?[0-9]+$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < -2147483647LL || value > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

GoldDialog::GoldDialog(QWidget *parent, Desktop &desktop)
    : TextEntryDialog(parent, desktop, QStringLiteral("Gold"), QStringLiteral("Enter gold amount:"),
                      9, QStringLiteral("0-9")) {
    field()->setObjectName(QStringLiteral("goldField"));
}

bool GoldDialog::check() {
    const std::optional<int> value = wholeNumber(field()->text());
    if (value && *value >= 0 && *value <= 999999999)
        return true;
    desktop().show(QStringLiteral("Gold must be a valid integer value between 0 and 999999999."),
                   MsgType::Error);
    return false;
}

int askGold(QWidget *parent, Desktop &desktop, int current) {
    GoldDialog dialog(parent, desktop);
    dialog.setValue(QString::number(current));
    if (dialog.exec() != QDialog::Accepted)
        return current;
    return dialog.field()->text().toInt();
}
