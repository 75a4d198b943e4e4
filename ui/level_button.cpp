// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/level_button.h"

#include <QMouseEvent>

LevelButton::LevelButton(QWidget *parent, SkillKind kind, bool up)
    : QToolButton(parent), m_skillKind(kind), m_up(up) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setText(up ? QStringLiteral(">") : QStringLiteral("<"));
}

void LevelButton::mousePressEvent(QMouseEvent *event) {
    QToolButton::mousePressEvent(event);
    event->accept(); // also the right and middle buttons, so their release comes back here
    emit mouseDown(this, event->button());
}

void LevelButton::mouseReleaseEvent(QMouseEvent *event) {
    QToolButton::mouseReleaseEvent(event);
    event->accept();
    emit mouseUp(this, event->button());
}
