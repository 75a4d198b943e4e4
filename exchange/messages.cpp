// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/messages.h"

QString AppTitle() {
    return QStringLiteral("Thalrex");
}

MsgAnswer showMessage(const QString &text, MsgType type, MsgButtons buttons,
                      MsgAnswer defaultAnswer) {
    return desktop().message(text, AppTitle(), type, buttons, defaultAnswer);
}
