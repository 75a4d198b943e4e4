// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/portrait_view.h"

#include "ui/portrait_picture.h"

#include <QPainter>

PortraitView::PortraitView(QWidget *parent) : QWidget(parent) {}

void PortraitView::showPortrait(const ImageBytes &bitmap) {
    if (bitmap == m_shown)
        return;
    m_shown = bitmap;
    m_picture = portraitPicture(bitmap);
    update();
}

void PortraitView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}
