#include "exchange/messages.h"

MsgAnswer showMessage(const QString &text, MsgType type, MsgButtons buttons,
                      MsgAnswer defaultAnswer) {
    return desktop().message(text, QStringLiteral("Thalrex"), type, buttons, defaultAnswer);
}
