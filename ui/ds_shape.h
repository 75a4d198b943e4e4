// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hero/displays.h"
#include "ui/skill_binding.h"

#include <QColor>
#include <QWidget>

// A filled rectangle with a one-pixel pen, used for every bar of the skill panels. Its
// measures use the width W of its parent, the row's bar panel. A shape bound to a hero's skill
// is a drag handle: it reports presses, moves and releases to whoever handles the drag.
class TDSShape : public QWidget, public TDSBarDisplay {
    Q_OBJECT
public:
    explicit TDSShape(QWidget *parent, const QColor &brush = Qt::white,
                      const QColor &pen = Qt::black);

    TDSHero *Hero() const { return binding.Hero(); }
    void SetHero(TDSHero *hero) { binding.SetHero(hero); }
    TDSSkills SkillType() const { return binding.SkillType(); }
    void SetSkillType(TDSSkills kind) { binding.SetSkillType(kind); }
    TDSSkill *Skill() const { return binding.Skill(); }
    void DropHero(const TDSHero *hero) { binding.DropHero(hero); }

    QColor Brush() const { return brush; }
    QColor Pen() const { return pen; }
    void SetColours(const QColor &brushColour, const QColor &penColour);

    // x / (W - 1) x 100.
    double PercentAt(int x) const;
    // Rounded p x (W - 1) / 100, at most W - 2.
    int PercentToWidth(long double percent) const override;
    // Truncated (W - 1) / 150 x level, plus 1.
    int LevelToWidth(int level) const override;

    void SetWidth(int width) override;
    void SetVisible(bool visible) override;

signals:
    void MouseDown(TDSShape *shape, Qt::MouseButton button, QPoint pos);
    void MouseMove(TDSShape *shape, Qt::MouseButtons buttons, QPoint pos);
    void MouseUp(TDSShape *shape, Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int ParentWidth() const;

    TDSSkillBinding binding;
    QColor brush;
    QColor pen;
};
