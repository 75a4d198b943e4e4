// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_gold.h"

#include "exchange/messages.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <optional>

namespace {

// The amount the text stands for: an optional minus and digits that make a 32-bit value.
std::optional<int> WholeNumber(const QString &text) {
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

TfrmGold::TfrmGold(QWidget *parent)
    : TDSEntryDialog(parent, QStringLiteral("Gold"), QStringLiteral("Enter gold amount:"), 9,
                     QStringLiteral("0-9")) {
    edtGold()->setObjectName(QStringLiteral("edtGold"));
}

bool TfrmGold::Check() {
    const std::optional<int> value = WholeNumber(edtGold()->text());
    if (value && *value >= 0 && *value <= 999999999)
        return true;
    showMessage(QStringLiteral("Gold must be a valid integer value between 0 and 999999999."),
                MsgType::Error);
    return false;
}

int AskGold(QWidget *parent, int current) {
    TfrmGold dialog(parent);
    dialog.SetValue(QString::number(current));
    if (dialog.exec() != QDialog::Accepted || dialog.Unedited())
        return current;
    return dialog.edtGold()->text().toInt();
}
