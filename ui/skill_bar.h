// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/attribute.h"

#include <QColor>
#include <QWidget>

// A filled rectangle with a one-pixel pen, used for every bar of the skill panels. Its
// measures use the width W of its parent, the row's bar panel. A bar of a skill is a drag handle:
// it reports presses, moves and releases to whoever handles the drag.
class SkillBar : public QWidget {
    Q_OBJECT
public:
    explicit SkillBar(QWidget *parent, const QColor &brush = Qt::white,
                      const QColor &pen = Qt::black);

    // The skill the bar is a drag handle of; SkillKind::None for any other bar.
    SkillKind skillKind() const { return m_skillKind; }
    void setSkillKind(SkillKind kind) { m_skillKind = kind; }

    QColor brush() const { return m_brush; }
    QColor pen() const { return m_pen; }

    // x / (W - 1) x 100.
    double percentAt(int x) const;
    // Rounded p x (W - 1) / 100, at most W - 2.
    int percentToWidth(long double percent) const;
    // Truncated (W - 1) / 150 x level, plus 1.
    int levelToWidth(int level) const;

    void setWidth(int width);

signals:
    void mouseDown(SkillBar *bar, Qt::MouseButton button, QPoint pos);
    void mouseMove(SkillBar *bar, Qt::MouseButtons buttons, QPoint pos);
    void mouseUp(SkillBar *bar, Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int parentWidth() const;

    SkillKind m_skillKind = SkillKind::None;
    QColor m_brush;
    QColor m_pen;
};
