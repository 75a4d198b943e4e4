// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/waitcursor.h"

#include <QApplication>
#include <QCursor>

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    restore();
}

void WaitCursor::restore() {
    if (active)
        QApplication::restoreOverrideCursor();
    active = false;
}
