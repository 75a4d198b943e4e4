// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ds_button.h"

#include <QMouseEvent>

TDSButton::TDSButton(QWidget *parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void TDSButton::mousePressEvent(QMouseEvent *event) {
    QToolButton::mousePressEvent(event);
    event->accept(); // also the right and middle buttons, so their release comes back here
    emit MouseDown(this, event->button());
}

void TDSButton::mouseReleaseEvent(QMouseEvent *event) {
    QToolButton::mouseReleaseEvent(event);
    event->accept();
    emit MouseUp(this, event->button());
}
