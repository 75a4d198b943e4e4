// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/desktop.h"

QString appTitle() {
    return QStringLiteral("Thalrex");
}

MsgAnswer Desktop::show(const QString &text, MsgType type, MsgButtons buttons,
                        MsgAnswer defaultAnswer) {
    return message(text, appTitle(), type, buttons, defaultAnswer);
}

MsgAnswer cautiousAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::YesCancel:
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

BusyCursor::BusyCursor(Desktop &desktop) : m_desktop(desktop) {
    m_desktop.setBusy(true);
}

BusyCursor::~BusyCursor() {
    restore();
}

void BusyCursor::restore() {
    if (m_active)
        m_desktop.setBusy(false);
    m_active = false;
}
