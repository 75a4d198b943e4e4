// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skill_bar.h"

#include "hero/experience.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

SkillBar::SkillBar(QWidget *parent, const QColor &brush, const QColor &pen)
    : QWidget(parent), m_brush(brush), m_pen(pen) {}

int SkillBar::parentWidth() const {
    return parentWidget() ? parentWidget()->width() : width();
}

double SkillBar::percentAt(int x) const {
    return x / double(parentWidth() - 1) * 100;
}

int SkillBar::percentToWidth(long double percent) const {
    const int w = parentWidth();
    const long double width = std::round(percent * (w - 1) / 100); // halves away from zero
    return static_cast<int>(std::min<long double>(w - 2, width));
}

int SkillBar::levelToWidth(int level) const {
    // Whole-number arithmetic keeps (W - 1) / 150 x 150 at exactly W - 1.
    return (parentWidth() - 1) * level / maxLevel + 1;
}

void SkillBar::setWidth(int width) {
    resize(std::max(0, width), height());
}

void SkillBar::paintEvent(QPaintEvent *) {
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), m_pen);
    if (width() > 2 && height() > 2)
        painter.fillRect(rect().adjusted(1, 1, -1, -1), m_brush);
}

void SkillBar::mousePressEvent(QMouseEvent *event) {
    emit mouseDown(this, event->button(), event->position().toPoint());
}

void SkillBar::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMove(this, event->buttons(), event->position().toPoint());
}

void SkillBar::mouseReleaseEvent(QMouseEvent *event) {
    emit mouseUp(this, event->button(), event->position().toPoint());
}
