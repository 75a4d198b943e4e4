// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clicklabel.h"

#include <QMouseEvent>

void TClickLabel::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
