// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skill_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void sword(QPainter &p) {
    p.setPen(QPen(QColor(40, 40, 48), 1));
    p.setBrush(QColor(200, 206, 216));
    p.drawPolygon(QPolygonF({{3, 12}, {11.5, 2.5}, {13.5, 0.5}, {13, 3}, {4.5, 13}}));
    p.setPen(QPen(QColor(120, 80, 30), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 9), QPointF(7, 13.5)); // crossguard
    p.drawLine(QPointF(1, 13), QPointF(3, 11));  // grip
}

void bow(QPainter &p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(130, 80, 30), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(-5, 1, 16, 12), -70 * 16, 140 * 16);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(5.5, 1.8), QPointF(5.5, 12.2)); // string
    p.setPen(QPen(QColor(70, 70, 80), 1));
    p.drawLine(QPointF(2, 7), QPointF(14, 7)); // arrow
    p.drawLine(QPointF(14, 7), QPointF(12, 5));
    p.drawLine(QPointF(14, 7), QPointF(12, 9));
}

void leaf(QPainter &p) {
    QPainterPath leaf;
    leaf.moveTo(2, 12);
    leaf.cubicTo(2, 4, 8, 1, 14, 1);
    leaf.cubicTo(14, 8, 9, 13, 2, 12);
    p.setPen(QPen(QColor(30, 80, 30), 1));
    p.setBrush(QColor(80, 170, 60));
    p.drawPath(leaf);
    p.setPen(QPen(QColor(30, 90, 30), 1));
    p.drawLine(QPointF(2, 12), QPointF(11, 4)); // vein
}

void flame(QPainter &p) {
    QPainterPath outer;
    outer.moveTo(8, 0.5);
    outer.cubicTo(12, 4, 14, 7, 13, 10);
    outer.cubicTo(12, 13, 4, 13.5, 3, 10);
    outer.cubicTo(2, 7, 5, 6, 8, 0.5);
    p.setPen(QPen(QColor(140, 30, 10), 1));
    p.setBrush(QColor(230, 90, 20));
    p.drawPath(outer);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 80));
    p.drawEllipse(QRectF(5.5, 7, 5, 5));
}

} // namespace

QPixmap skillIcon(SkillKind kind) {
    QPixmap icon(16, 14);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case SkillKind::Melee:
        sword(painter);
        break;
    case SkillKind::Ranged:
        bow(painter);
        break;
    case SkillKind::Nature:
        leaf(painter);
        break;
    case SkillKind::Combat:
        flame(painter);
        break;
    case SkillKind::None:
        break;
    }
    return icon;
}
