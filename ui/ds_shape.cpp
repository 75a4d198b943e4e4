// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ds_shape.h"

#include "hero/experience.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

TDSShape::TDSShape(QWidget *parent, const QColor &brush, const QColor &pen)
    : QWidget(parent), brush(brush), pen(pen) {}

void TDSShape::SetColours(const QColor &brushColour, const QColor &penColour) {
    brush = brushColour;
    pen = penColour;
    update();
}

int TDSShape::ParentWidth() const {
    return parentWidget() ? parentWidget()->width() : width();
}

double TDSShape::PercentAt(int x) const {
    return x / double(ParentWidth() - 1) * 100;
}

int TDSShape::PercentToWidth(long double percent) const {
    const int w = ParentWidth();
    const long double width = std::round(percent * (w - 1) / 100); // halves away from zero
    return static_cast<int>(std::min<long double>(w - 2, width));
}

int TDSShape::LevelToWidth(int level) const {
    // Whole-number arithmetic keeps (W - 1) / 150 x 150 at exactly W - 1.
    return (ParentWidth() - 1) * level / MaxLevel() + 1;
}

void TDSShape::SetWidth(int width) {
    resize(std::max(0, width), height());
}

void TDSShape::SetVisible(bool visible) {
    setVisible(visible);
}

void TDSShape::paintEvent(QPaintEvent *) {
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), pen);
    if (width() > 2 && height() > 2)
        painter.fillRect(rect().adjusted(1, 1, -1, -1), brush);
}

void TDSShape::mousePressEvent(QMouseEvent *event) {
    emit MouseDown(this, event->button(), event->position().toPoint());
}

void TDSShape::mouseMoveEvent(QMouseEvent *event) {
    emit MouseMove(this, event->buttons(), event->position().toPoint());
}

void TDSShape::mouseReleaseEvent(QMouseEvent *event) {
    emit MouseUp(this, event->button(), event->position().toPoint());
}
