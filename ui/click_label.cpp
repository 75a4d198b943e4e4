// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/click_label.h"

#include <QMouseEvent>

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
