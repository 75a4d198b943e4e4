// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/attribute.h"

#include <QToolButton>

// A flat "<" or ">" button of a skill row; it reports presses and releases of every mouse button.
class LevelButton : public QToolButton {
    Q_OBJECT
public:
    LevelButton(QWidget *parent, SkillKind kind, bool up);

    SkillKind skillKind() const { return m_skillKind; }
    // ">" steps up to the next level, "<" down.
    bool isUp() const { return m_up; }

signals:
    void mouseDown(LevelButton *button, Qt::MouseButton mouseButton);
    void mouseUp(LevelButton *button, Qt::MouseButton mouseButton);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    SkillKind m_skillKind;
    bool m_up;
};
